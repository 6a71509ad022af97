# SPDX-License-Identifier: GPL-3.0-or-later
# Output the user can trust: a failed write is exit status 1 with the system's reason, whether to
# a file, a device or standard output; nothing lands outside the user's places; a picture beyond
# the bound is refused before any work.
set(full "standard output could not be written: No space left on device")
velmora_cli_check(output_stdout_full_help 1 "" "^velmora-calc: ${full}\n$" "--help"
                  STDOUT /dev/full)
velmora_cli_check(output_stdout_full_curve 1 "" "^velmora-calc curve: ${full}\n$"
                  "curve|--format|csv" STDOUT /dev/full)
velmora_cli_check(output_png_to_dev_full 1 "^$" "cannot write /dev/full: No space left on device"
                  "curve|--format|png|-o|/dev/full")

# Without XDG_RUNTIME_DIR Qt would warn and make TMPDIR/runtime-<user>; the cache keeps nothing.
set(no_runtime ${CMAKE_CURRENT_BINARY_DIR}/no-runtime)
file(MAKE_DIRECTORY ${no_runtime}/tmp ${no_runtime}/cache)
velmora_cli_check(output_no_runtime_folder 0 "^$" "^$"
                  "curve|--format|png|-o|${no_runtime}/plot.png"
                  ENV --unset=XDG_RUNTIME_DIR TMPDIR=${no_runtime}/tmp
                      XDG_CACHE_HOME=${no_runtime}/cache
                  EMPTY "${no_runtime}/tmp|${no_runtime}/cache")

# 20000 and 19000 twips at 1200 dpi: 16667 pixels too wide; 15834 a side fits, 753 MB do not.
set(bound "Pixel groß; erlaubt sind höchstens 16384 Pixel je Seite und 512 MB\\.")
velmora_cli_check(output_picture_beyond_the_side_bound 2 "^$"
                  "--plot-size and --dpi: .*16667 × [0-9]+ ${bound}"
                  "curve|--format|png|--dpi|1200|--plot-size|20000x1000")
velmora_cli_check(output_picture_beyond_the_size_bound 2 "^$" "15834 × [0-9]+ ${bound}"
                  "curve|--format|png|--dpi|1200|--plot-size|19000x14000")

add_test(NAME cli_output_full_disk
         COMMAND ${CMAKE_COMMAND} -DEXE=$<TARGET_FILE:velmora-calc>
                 -DDIR=${CMAKE_CURRENT_BINARY_DIR}/full-disk
                 -P ${CMAKE_CURRENT_LIST_DIR}/full_disk_check.cmake)
set_tests_properties(cli_output_full_disk PROPERTIES LABELS cli SKIP_REGULAR_EXPRESSION "SKIPPED:"
                     ENVIRONMENT "LC_ALL=C.UTF-8;LANGUAGE=;XDG_RUNTIME_DIR=${cli_runtime}")

# The user's language: German help and errors under a German locale (LANG alone is enough),
# English under any other.
velmora_cli_check(output_help_in_german 0 "Aufruf: velmora-calc BEFEHL.*\nExit-Status: 0 Erfolg" ""
                  "--help" ${german})
velmora_cli_check(output_help_in_english 0 "Usage: velmora-calc COMMAND.*\nExit status: 0 success"
                  "" "--help")
velmora_cli_check(output_error_in_german 2 "^$"
                  "^velmora-calc single: --height „1a“: das Feld lehnt „a“ ab"
                  "single|--height|1a" ${german})
