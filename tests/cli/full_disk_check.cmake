# SPDX-License-Identifier: GPL-3.0-or-later
# A full disk: a picture that does not fit is not written, and a failed overwrite leaves the old
# file byte for byte. Mounts a 64 KB tmpfs in a private mount namespace, so no mount outlives the
# test; skipped where that is not allowed. -DEXE=program -DDIR=mount point [-DINSIDE=1]
if(NOT INSIDE)
  execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT uid STREQUAL "0")
    message("SKIPPED: mounting a small tmpfs needs root")
    return()
  endif()
  file(MAKE_DIRECTORY "${DIR}")
  execute_process(COMMAND unshare -m ${CMAKE_COMMAND} -DINSIDE=1 -DEXE=${EXE} -DDIR=${DIR}
                          -P ${CMAKE_CURRENT_LIST_FILE}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc MATCHES "^[0-9]+$" OR out MATCHES "^unshare: ")
    message("SKIPPED: no private mount namespace: ${rc} ${out}")
  elseif(NOT rc EQUAL 0)
    message(FATAL_ERROR "${out}")
  else()
    message("${out}")
  endif()
  return()
endif()

execute_process(COMMAND mount -t tmpfs -o size=64k tmpfs ${DIR} RESULT_VARIABLE rc
                ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message("SKIPPED: cannot mount a tmpfs: ${err}")
  return()
endif()
function(run_png expected_rc regex)
  execute_process(COMMAND ${EXE} curve --format png ${ARGN} RESULT_VARIABLE rc
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL expected_rc OR NOT "${out}${err}" MATCHES "${regex}")
    message(FATAL_ERROR "curve ${ARGN}: exit status ${rc}, expected ${expected_rc}\n${out}${err}")
  endif()
endfunction()

run_png(0 "^$" -o ${DIR}/plot.png)
file(SHA256 ${DIR}/plot.png before)
# Everything but the last 4 KB taken: a default picture (9.6 KB) no longer fits.
execute_process(COMMAND dd if=/dev/zero of=${DIR}/fill bs=4096 ERROR_QUIET)
execute_process(COMMAND truncate -s -4096 ${DIR}/fill)
run_png(1 "cannot write .*/new\\.png: No space left on device" -o ${DIR}/new.png)
# Smaller than Qt's write buffer and larger than the buffer: both fail without harm.
run_png(1 "/plot\\.png: No space left on device" --type "Verkürzung Vf bei d" -o ${DIR}/plot.png)
run_png(1 "/plot\\.png: No space left on device" --dpi 300 -o ${DIR}/plot.png)
file(SHA256 ${DIR}/plot.png after)
if(NOT after STREQUAL before)
  message(FATAL_ERROR "the failed overwrite changed plot.png")
endif()
file(GLOB left RELATIVE ${DIR} ${DIR}/*)
if(NOT left STREQUAL "fill;plot.png")
  message(FATAL_ERROR "left on the disk: ${left}")
endif()
