# What `cmake --install` puts where:
#   <prefix>/lib/kelvane/                 the program folder: executable, tables, help page
#                                         (and the case file that Save writes beside them)
#   <prefix>/bin/kelvane                  relative symbolic link to the executable
#   <prefix>/share/applications/kelvane.desktop
#   <prefix>/share/icons/hicolor/scalable/apps/kelvane.svg
#
# The program reads its tables from the folder of its executable, which Qt
# takes from /proc/self/exe with links resolved; so a plain link in bin/ finds
# them, passes arguments, exit status and signals through without a shell in
# between, and keeps working when the whole prefix is moved.
include(GNUInstallDirs)

# lib/ rather than CMAKE_INSTALL_LIBDIR, which GNUInstallDirs turns into
# lib/<multiarch> when configured for the prefix /usr: this folder holds a
# program and its data, not libraries, and sits at <prefix>/lib/kelvane
# whatever prefix was configured or is given at install time.
set(KELVANE_INSTALL_PROGRAMDIR lib/kelvane
    CACHE STRING "Program folder (executable, tables, help page), relative to the prefix")

install(TARGETS kelvane RUNTIME DESTINATION ${KELVANE_INSTALL_PROGRAMDIR})
install(FILES data/fluids.ini data/heatxtype.ini DESTINATION ${KELVANE_INSTALL_PROGRAMDIR})
install(FILES data/Help/Index.htm DESTINATION ${KELVANE_INSTALL_PROGRAMDIR}/Help)
install(FILES data/desktop/kelvane.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The link and the desktop entry depend on the prefix given at install time.
install(CODE "
  set(KELVANE_INSTALL_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
  set(KELVANE_INSTALL_PROGRAMDIR \"${KELVANE_INSTALL_PROGRAMDIR}\")
  set(KELVANE_INSTALL_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
  set(KELVANE_DESKTOP_TEMPLATE \"${PROJECT_SOURCE_DIR}/data/desktop/kelvane.desktop.in\")")
install(SCRIPT cmake/InstallLauncher.cmake)
