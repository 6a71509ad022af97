# SPDX-License-Identifier: GPL-3.0-or-later
# velmora-calc curve: the dialog filled as a user fills it, the curve written as JSON, CSV or a
# picture. The layout and the points themselves are the curve engine's (tests/curves).
# The worked layout: W 7752, H 3135, percent mode, labels from 0,50.
velmora_cli_check(curve_json_layout 0
  "^{\"layout\":{\"N\":7056,\"T\":4213,\"X\":15,\"Y\":100,\"k0\":50,\"kx\":15,\"m\":387,\"percent\":true,\"ux\":442,\"uy\":46,\"y0\":2323}.*\"yTicks\":\\[{\"k\":0,\"label\":\"0,50\"}.*{\"k\":49,\"label\":null}\\]}\n$"
  "^$" "curve|--type|Verkürzung Vf bei d")
velmora_cli_check(curve_csv_rows_in_axis_units 0
  "^Ant\\.-Höhe \\[m\\];Rs \\[Ohm\\]\n0,0125;[0-9]+,[0-9]+\n0,025;" "^$"
  "curve|--type|Strahlungswiderstand Rs|--format|csv")
velmora_cli_check(curve_csv_decimal_point 0 "^f \\[MHz\\],Vf\n0\\.00467289719626168,0\\.788" "^$"
  "curve|--format|csv|--decimal-point")
velmora_cli_check(curve_free_space_note 0
  "\"title\":\" Kurve: Rs \\(Dipol-Länge = 39,58 m, Draht d = 2,05 mm bei 3,6 MHz\\) im Freiraum\""
  "^$" "curve|--type|Strahlungswiderstand Rs|--free-space")
# Typed after the pick, so the height stays 12 although the pick resets it to 10; an empty value
# clears its box.
velmora_cli_check(curve_values_typed_after_the_type 0
  "\"value1Text\":\"12\",.*\"value2Text\":\"\"" "^$"
  "curve|--value2|3|--value2=|--value1|12|--type|Draht-Zw bei Länge")
velmora_cli_check(curve_plot_size 0 "\"m\":200," "^$" "curve|--plot-size|4000x2000")
velmora_cli_check(curve_unknown_type 3
  "\"messages\":\\[{\"style\":48,\"text\":\"Falscher Operator !\",\"title\":\"Fehler \"}\\]"
  "^velmora-calc curve: Falscher Operator !\n$" "curve|--type|Bodendämpfung")
velmora_cli_check(curve_png 0 "^$" "^$"
  "curve|--type|Verkürzung Vf bei d|--format|png|-o|${cli_out}/vf.png"
  FILE ${cli_out}/vf.png HEAD 89504e470d0a1a0a)
velmora_cli_check(curve_svg 0 "^$" "^$" "curve|--format|svg|-o|${cli_out}/vf.svg"
  FILE ${cli_out}/vf.svg HEAD 3c3f786d6c)
velmora_cli_check(curve_pdf 0 "^$" "^$" "curve|--format|pdf|-o|${cli_out}/vf.pdf"
  FILE ${cli_out}/vf.pdf HEAD 25504446)
velmora_cli_check(curve_unwritable_output 1 "^$" "cannot write .*/no/such/folder/x\\.csv: "
  "curve|--format|csv|-o|${cli_out}/no/such/folder/x.csv")

# Refused: status 2, nothing on stdout.
velmora_cli_check(curve_refused_character 2 "^$" "--value1: the box Text7 refuses 'e'"
  "curve|--value1|1e5")
velmora_cli_check(curve_value_longer_than_the_box 2 "^$"
  "--value2: the box Text8 takes at most 64 characters"
  "curve|--value2|11111111111111111111111111111111111111111111111111111111111111111")
velmora_cli_check(curve_hidden_box 2 "^$"
  "--value2: the box Text8 is hidden for \"Verkürzung Vf bei d\""
  "curve|--type|Verkürzung Vf bei d|--value2|3")
velmora_cli_check(curve_free_space_hidden_for_ground_loss 2 "^$"
  "--free-space: the box Check1 is hidden" "curve|--type|Bodendämpfung Rve|--free-space")
velmora_cli_check(curve_full_scale_beyond_16_bits 2 "^$"
  "Y-Meßlänge außerhalb des erlaubten Bereichs" "curve|--y-full-scale|40000")
velmora_cli_check(curve_bad_plot_size 2 "^$" "--plot-size wants" "curve|--plot-size|77x")
velmora_cli_check(curve_bad_format 2 "^$" "unknown format 'gif'" "curve|--format|gif")
