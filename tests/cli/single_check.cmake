# Runs velmora-calc once and checks its exit status, its standard output and its error output.
# -DEXE=program -DRC=expected status -DOUT=regex for stdout -DERR=regex for stderr (either may
# be empty: not checked) -DARGS=arguments joined by "|"
string(REPLACE "|" ";" arguments "${ARGS}")
execute_process(COMMAND ${EXE} ${arguments} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
if(NOT rc EQUAL RC)
  message(FATAL_ERROR "exit status ${rc}, expected ${RC}\nstdout:\n${out}\nstderr:\n${err}")
endif()
if(NOT OUT STREQUAL "" AND NOT out MATCHES "${OUT}")
  message(FATAL_ERROR "stdout does not match '${OUT}':\n${out}")
endif()
if(NOT ERR STREQUAL "" AND NOT err MATCHES "${ERR}")
  message(FATAL_ERROR "stderr does not match '${ERR}':\n${err}")
endif()
