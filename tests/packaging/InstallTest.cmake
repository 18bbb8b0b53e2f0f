# cmake -DBUILD_DIR=... -DWORK_DIR=... [-DDESKTOP_FILE_VALIDATE=...] -P InstallTest.cmake
#
# Installs BUILD_DIR into a prefix under WORK_DIR, checks the layout and the
# desktop entry, and runs the installed program headless: first as the menu
# starts it, then after the prefix has moved, then without its fluid table,
# which must fail although the build's own program folder still holds one.

cmake_minimum_required(VERSION 3.25)

set(solve --solve 0 35 12 1 1 6 13 0.8 0 37 38 23.529 111)

function(fail)
  string(JOIN "" text ${ARGN})
  message(FATAL_ERROR "${text}")
endfunction()

# Runs `launcher --solve ...` from inside `folder` and checks the exit status
# and that every one of the texts appears in what it printed.
function(expect_solve folder launcher status)
  execute_process(COMMAND "${launcher}" ${solve} WORKING_DIRECTORY "${folder}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc STREQUAL status)
    fail("${launcher} exited with ${rc}, expected ${status}\n${out}${err}")
  endif()
  foreach(text IN LISTS ARGN)
    string(FIND "${out}${err}" "${text}" at)
    if(at EQUAL -1)
      fail("${launcher} did not print \"${text}\":\n${out}${err}")
    endif()
  endforeach()
endfunction()

set(prefix "${WORK_DIR}/prefix")
set(moved "${WORK_DIR}/moved")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")

execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  fail("cmake --install failed (${rc}):\n${out}${err}")
endif()

foreach(file lib/kelvane/kelvane lib/kelvane/fluids.ini lib/kelvane/heatxtype.ini
             lib/kelvane/Help/Index.htm share/applications/kelvane.desktop
             share/icons/hicolor/scalable/apps/kelvane.svg)
  if(NOT EXISTS "${prefix}/${file}" OR IS_DIRECTORY "${prefix}/${file}")
    fail("not installed: ${prefix}/${file}")
  endif()
endforeach()
if(NOT IS_SYMLINK "${prefix}/bin/kelvane")
  fail("${prefix}/bin/kelvane is not a link to the program folder")
endif()

set(entry "${prefix}/share/applications/kelvane.desktop")
file(STRINGS "${entry}" lines)
foreach(line "Type=Application" "Name=Kelvane" "Icon=kelvane" "Terminal=false"
             "Exec=\"${prefix}/bin/kelvane\"")
  if(NOT line IN_LIST lines)
    fail("${entry} lacks the line ${line}")
  endif()
endforeach()
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${entry}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    fail("desktop-file-validate refused ${entry}:\n${out}${err}")
  endif()
else()
  message(STATUS "desktop-file-validate not found: the desktop entry is not validated")
endif()

set(duty "Duty: Hot fluid specified" "Q = 23.529 kW")
expect_solve("${prefix}" "${prefix}/bin/kelvane" 0 ${duty})

file(RENAME "${prefix}" "${moved}")
expect_solve("${moved}" "${moved}/bin/kelvane" 0 ${duty})

file(REMOVE "${moved}/lib/kelvane/fluids.ini")
expect_solve("${moved}" "${moved}/bin/kelvane" 2 "fluid table")
