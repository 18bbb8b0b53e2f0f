# kelvane_add_test(NAME SOURCES <files...> LIBS <targets...>)
#
# One Qt Test executable per subsystem. Every run gets the offscreen platform
# and its own empty HOME and XDG folders, so no test sees or touches the real
# user's settings, documents or shared files. A crashing test fails at once
# (no debugger stack dump, which can hang on an abort) and none runs forever.
#
# In a sanitizer build the first report stops the test with its stack, and
# ASan's checks that are off by default (stack use after return, static
# initialisation order) are on.
set(KELVANE_SANITIZER_ENV)
if(KELVANE_SANITIZE)
  set(KELVANE_SANITIZER_ENV
      ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
      UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
      LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_LIST_DIR}/lsan.supp)
endif()

function(kelvane_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  set(home ${CMAKE_BINARY_DIR}/test-home/${name})
  add_test(NAME ${name}
           COMMAND ${CMAKE_COMMAND} -E env
                   HOME=${home} XDG_CONFIG_HOME=${home}/.config XDG_DATA_HOME=${home}/.local/share
                   XDG_CACHE_HOME=${home}/.cache
                   XDG_RUNTIME_DIR=${home}/runtime QT_QPA_PLATFORM=offscreen QTEST_DISABLE_STACK_DUMP=1
                   KELVANE_PROGRAM_DIR=${KELVANE_PROGRAM_DIR} KELVANE_ARTIFACTS=${CMAKE_BINARY_DIR}/artifacts
                   ${KELVANE_SANITIZER_ENV}
                   ${CMAKE_COMMAND} -DHOME=${home} -DTEST=$<TARGET_FILE:${name}> -P ${CMAKE_SOURCE_DIR}/cmake/RunTest.cmake)
  set_tests_properties(${name} PROPERTIES TIMEOUT 900)
endfunction()
