cmake_minimum_required(VERSION 3.25)

# Configures the fixture once per case, in one build folder so that the compiler
# is looked up only once, and checks the outcome: the sound layering configures,
# each breach stops configuring with a message naming it.
file(REMOVE_RECURSE "${WORK_DIR}")

set(cases
    "sound|"
    "link_up_privately|Layering: fixture_low links fixture_high, which stands after it"
    "link_up_publicly|Layering: fixture_low_gui links fixture_high, which stands after it"
    "include_from_later_library_in_same_folder|Layering: low/LowReachingUp.cpp \\(fixture_low\\) includes LowGui.h of fixture_low_gui, which fixture_low does not link"
    "include_without_link|Layering: high/High.cpp \\(fixture_high\\) includes LowGui.h of fixture_low_gui, which fixture_high does not link")

set(failures 0)
foreach(entry IN LISTS cases)
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 0 case)
  list(GET parts 1 expected)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -S "${FIXTURE}" -B "${WORK_DIR}" -G "${GENERATOR}"
            "-DCMAKE_CXX_COMPILER=${CXX}" "-DKELVANE_LAYERING_MODULE=${MODULE}" "-DCASE=${case}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors)
  # The message may be wrapped over lines.
  string(REGEX REPLACE "[ \t\r\n]+" " " errors "${errors}")
  if(expected STREQUAL "")
    if(NOT result EQUAL 0)
      message(SEND_ERROR "${case}: should configure, but failed:\n${errors}")
      math(EXPR failures "${failures} + 1")
    else()
      message(STATUS "${case}: configured")
    endif()
  elseif(result EQUAL 0)
    message(SEND_ERROR "${case}: should stop configuring, but configured")
    math(EXPR failures "${failures} + 1")
  elseif(NOT errors MATCHES "${expected}")
    message(SEND_ERROR "${case}: stopped, but not with \"${expected}\":\n${errors}")
    math(EXPR failures "${failures} + 1")
  else()
    message(STATUS "${case}: stopped as expected")
  endif()
endforeach()
if(failures GREATER 0)
  message(FATAL_ERROR "${failures} case(s) failed")
endif()
