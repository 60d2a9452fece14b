# The built players-check on a valid and an invalid rules file: exit status and diagnostic.
#   cmake "-DCOMMAND=[emulator;]players-check" -DDATA=tests/data -P Smoke.cmake
list(REMOVE_ITEM COMMAND "")

function(expect_run file status stderr_regex)
  execute_process(COMMAND ${COMMAND} "${DATA}/${file}" RESULT_VARIABLE result
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result STREQUAL "${status}" OR NOT err MATCHES "${stderr_regex}" OR NOT out STREQUAL "")
    message(FATAL_ERROR "players-check ${file}: exit ${result} (wanted ${status})\nstdout: ${out}\nstderr: ${err}")
  endif()
endfunction()

expect_run(Players.txt 0 "^$")
expect_run(PlayersBom.txt 1 "PlayersBom.txt:1:1: error: Incorrect line\r?\n")
