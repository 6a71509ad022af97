# velmora-calc curve: one case per call; arguments joined by "|". Optional trailing FILE and HEAD:
# the file the case writes and its first bytes in hex.
function(velmora_cli_curve name rc regex args)
  set(file_args "")
  if(ARGC GREATER 4)
    set(file_args "-DFILE=${ARGV4}" "-DHEAD=${ARGV5}")
  endif()
  add_test(NAME cli_curve_${name}
           COMMAND ${CMAKE_COMMAND} -DEXE=$<TARGET_FILE:velmora-calc> -DRC=${rc}
                   "-DREGEX=${regex}" "-DARGS=${args}" ${file_args}
                   -P ${CMAKE_CURRENT_LIST_DIR}/curve_check.cmake)
  set_tests_properties(cli_curve_${name} PROPERTIES LABELS cli
                       ENVIRONMENT "XDG_RUNTIME_DIR=${curve_runtime}")
endfunction()

set(curve_out ${CMAKE_CURRENT_BINARY_DIR}/curve-out)
# Qt wants a private runtime folder; without one it warns on stderr.
set(curve_runtime ${CMAKE_CURRENT_BINARY_DIR}/curve-runtime)
file(MAKE_DIRECTORY ${curve_out} ${curve_runtime})
file(CHMOD ${curve_runtime} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# The worked layout: W 7752, H 3135, percent mode, labels from 0,50.
velmora_cli_curve(vf_over_d_layout 0
  "\"layout\":{\"N\":7056,\"T\":4213,\"X\":15,\"Y\":100,\"k0\":50,\"kx\":15,\"m\":387,\"percent\":true,\"ux\":442,\"uy\":46,\"y0\":2323}.*\"yTicks\":\\[{\"k\":0,\"label\":\"0,50\"}.*{\"k\":49,\"label\":null}\\]}\n$"
  "curve|--type|Verkürzung Vf bei d")
velmora_cli_curve(decimal_point_labels 0
  "Ant\\.-Höhe: 10 m, f: 3\\.6 MHz\\)\",\"xTicks\":\\[{\"k\":0,\"label\":\" 0 \"}.*{\"k\":10,\"label\":\"0\\.60\"}"
  "curve|--decimal-point|--type|Verkürzung Vf bei d")
velmora_cli_curve(qa_layout 0
  "\"T\":1962,.*\"uy\":87,.*{\"k\":20,\"label\":\"20\"},{\"k\":21,\"label\":null},{\"k\":22,\"label\":null},{\"k\":23,\"label\":null}\\]}\n$"
  "curve|--type|Ant. - Güte Qa bei h")
velmora_cli_curve(csv_rows_in_axis_units 0
  "^Ant\\.-Höhe \\[m\\];Rs \\[Ohm\\]\n0,0125;[0-9]+,[0-9]+\n0,025;"
  "curve|--type|Strahlungswiderstand Rs|--format|csv")
velmora_cli_curve(csv_decimal_point 0
  "^f \\[MHz\\],Vf\n0\\.00467289719626168,0\\.788"
  "curve|--format|csv|--decimal-point")
velmora_cli_curve(free_space_note 0
  "\"title\":\" Kurve: Rs \\(Dipol-Länge = 39,58 m, Draht d = 2,05 mm bei 3,6 MHz\\) im Freiraum\""
  "curve|--type|Strahlungswiderstand Rs|--free-space")
# Typed after the pick, so the height stays 12 although the pick resets it to 10.
velmora_cli_curve(values_typed_after_the_type 0
  "\"value1Text\":\"12\",.*\"value2Text\":\"3\""
  "curve|--value2|3|--value1|12|--type|Draht-Zw bei Länge")
# No diameter: the impedance fails at every point and each point stays on the axis.
velmora_cli_curve(empty_value_clears_the_box 0
  "\"points\":\\[\\[1,388,387\\],\\[2,389,387\\],.*\"value2Text\":\"\""
  "curve|--type|Draht-Zw bei Länge|--value2=")
velmora_cli_curve(plot_size 0
  "\"m\":200,"
  "curve|--plot-size|4000x2000")
velmora_cli_curve(unknown_type 3
  "\"messages\":\\[{\"style\":48,\"text\":\"Falscher Operator !\",\"title\":\"Fehler \"}\\].*\"title\":\" Falsche Formel !\""
  "curve|--type|Bodendämpfung")
velmora_cli_curve(refused_character 2
  "--value1: the box Text7 refuses 'e'"
  "curve|--value1|1e5")
velmora_cli_curve(value_longer_than_the_box 2
  "--value2: the box Text8 takes at most 64 characters"
  "curve|--value2|11111111111111111111111111111111111111111111111111111111111111111")
velmora_cli_curve(hidden_box 2
  "--value2: the box Text8 is hidden for \"Verkürzung Vf bei d\""
  "curve|--type|Verkürzung Vf bei d|--value2|3")
velmora_cli_curve(free_space_hidden_for_ground_loss 2
  "--free-space: the box Check1 is hidden"
  "curve|--type|Bodendämpfung Rve|--free-space")
velmora_cli_curve(full_scale_beyond_16_bits 2
  "Y-Meßlänge außerhalb des erlaubten Bereichs"
  "curve|--y-full-scale|40000")
velmora_cli_curve(bad_plot_size 2 "--plot-size wants" "curve|--plot-size|77x")
velmora_cli_curve(bad_format 2 "unknown format 'gif'" "curve|--format|gif")
velmora_cli_curve(png 0 "^$" "curve|--type|Verkürzung Vf bei d|--format|png|-o|${curve_out}/vf.png"
  ${curve_out}/vf.png 89504e470d0a1a0a)
velmora_cli_curve(svg 0 "^$" "curve|--format|svg|-o|${curve_out}/vf.svg"
  ${curve_out}/vf.svg 3c3f786d6c)
velmora_cli_curve(pdf 0 "^$" "curve|--format|pdf|-o|${curve_out}/vf.pdf"
  ${curve_out}/vf.pdf 25504446)
velmora_cli_curve(unwritable_output 1 "cannot write"
  "curve|--format|csv|-o|${curve_out}/no/such/folder/x.csv")
