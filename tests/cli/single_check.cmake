# Runs velmora-calc once and checks its exit status and output (stdout and stderr together).
# -DEXE=program -DRC=expected status -DREGEX=regular expression -DARGS=arguments joined by "|"
string(REPLACE "|" ";" arguments "${ARGS}")
execute_process(COMMAND ${EXE} ${arguments} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
set(all "${out}${err}")
if(NOT rc EQUAL RC)
  message(FATAL_ERROR "exit status ${rc}, expected ${RC}\n${all}")
endif()
if(NOT all MATCHES "${REGEX}")
  message(FATAL_ERROR "output does not match '${REGEX}':\n${all}")
endif()
message(STATUS "${all}")
