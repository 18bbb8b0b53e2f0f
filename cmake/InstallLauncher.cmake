# Runs inside `cmake --install`: makes <prefix>/bin/kelvane, a relative link to
# the executable in the program folder, and the desktop entry that starts it.
# Expects KELVANE_INSTALL_BINDIR, KELVANE_INSTALL_PROGRAMDIR, KELVANE_INSTALL_DATADIR
# (relative to the prefix) and KELVANE_DESKTOP_TEMPLATE.

foreach(dir KELVANE_INSTALL_BINDIR KELVANE_INSTALL_PROGRAMDIR KELVANE_INSTALL_DATADIR)
  if(IS_ABSOLUTE "${${dir}}")
    message(FATAL_ERROR "${dir} must be relative to the prefix: ${${dir}}")
  endif()
endforeach()

set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(launcher "${root}/${KELVANE_INSTALL_BINDIR}/kelvane")
file(RELATIVE_PATH target "${root}/${KELVANE_INSTALL_BINDIR}"
     "${root}/${KELVANE_INSTALL_PROGRAMDIR}/kelvane")
message(STATUS "Installing: ${launcher} -> ${target}")
file(MAKE_DIRECTORY "${root}/${KELVANE_INSTALL_BINDIR}")
file(CREATE_LINK "${target}" "${launcher}" SYMBOLIC)

# Exec names the launcher by its full path: a menu started before ~/.local/bin
# joined PATH still finds it. Quoted for the desktop entry's Exec rules, so a
# prefix with spaces, quotes, "$" or "%" works too.
set(exec "${CMAKE_INSTALL_PREFIX}/${KELVANE_INSTALL_BINDIR}/kelvane")
string(REPLACE "\\" "\\\\" exec "${exec}")
foreach(reserved "\"" "`" "$")
  string(REPLACE "${reserved}" "\\${reserved}" exec "${exec}")
endforeach()
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")
set(KELVANE_DESKTOP_EXEC "\"${exec}\"")
set(entry "${root}/${KELVANE_INSTALL_DATADIR}/applications/kelvane.desktop")
message(STATUS "Installing: ${entry}")
configure_file("${KELVANE_DESKTOP_TEMPLATE}" "${entry}" @ONLY)

# Listed in install_manifest.txt beside the files CMake installed itself.
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${launcher}" "${entry}")
