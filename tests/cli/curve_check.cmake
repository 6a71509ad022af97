# Runs velmora-calc once; checks its exit status, its output (stdout and stderr together) and,
# when FILE is given, that the written file begins with the bytes HEAD (hex).
# -DEXE=program -DRC=status -DREGEX=regular expression -DARGS=arguments joined by "|"
# [-DFILE=path -DHEAD=hex]
string(REPLACE "|" ";" arguments "${ARGS}")
if(FILE)
  file(REMOVE "${FILE}")
endif()
execute_process(COMMAND ${EXE} ${arguments} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
set(all "${out}${err}")
if(NOT rc EQUAL RC)
  message(FATAL_ERROR "exit status ${rc}, expected ${RC}\n${all}")
endif()
if(NOT all MATCHES "${REGEX}")
  message(FATAL_ERROR "output does not match '${REGEX}':\n${all}")
endif()
if(FILE)
  if(NOT EXISTS "${FILE}")
    message(FATAL_ERROR "${FILE} was not written")
  endif()
  string(LENGTH "${HEAD}" hexLength)
  math(EXPR byteCount "${hexLength} / 2")
  file(READ "${FILE}" head LIMIT ${byteCount} HEX)
  if(NOT head STREQUAL HEAD)
    message(FATAL_ERROR "${FILE} begins with ${head}, expected ${HEAD}")
  endif()
endif()
