# Starts a test from an empty home folder so each run is independent of the last.
file(REMOVE_RECURSE ${HOME})
file(MAKE_DIRECTORY ${HOME}/.config ${HOME}/.local/share ${HOME}/.cache ${HOME}/Documents ${HOME}/runtime)
file(CHMOD ${HOME}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
execute_process(COMMAND ${TEST} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${TEST} failed: ${rc}")
endif()
