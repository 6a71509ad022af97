# SPDX-License-Identifier: GPL-3.0-or-later
# velmora-calc nec: the cases that run nec2c are disabled (shown as not run) without it.
find_program(VELMORA_NEC2C nec2c)
velmora_cli_check(nec_quarter_wave_average_ground 0
  "^{\"closedForm\":{\"length\":37\\.201015,\"vf\":0\\.89344245},\"differencePercent\":{\"length\":-7\\.38[0-9]*,\"vf\":-7\\.38[0-9]*},\"ground\":\"average\",\"insulation\":null,\"nec\":{\"length\":40\\.1[67][0-9]*,\"r\":8[45]\\.[0-9]+,\"runs\":[0-9]+,\"vf\":0\\.96[0-9]*,\"x\":[-0-9.e]+},\"segments\":41}\n$"
  "^$" "nec|--json|--frequency|3,6|--height|20.82|--diameter|2,05")
velmora_cli_check(nec_free_space_has_no_closed_form 0
  "\"closedForm\":null,\"differencePercent\":null,\"ground\":\"free\".*\"segments\":21" ""
  "nec|--json|--ground|free|--frequency|7,1|--diameter|1|--segments|21")
velmora_cli_check(nec_perfect_ground_text 0
  "^NEC-2, idealer Boden \\(leitende Ebene\\), 41 Segmente: Länge 39,9[0-9]+ m, Vf 0,95[0-9]+, R 8[0-9],[0-9]+ Ohm, X -?0,000[0-9] Ohm, [0-9]+ nec2c-Läufe\nFormel: Länge 37,183 m, Vf 0,8930\nDifferenz Formel gegen NEC-2: Länge -6,8[0-9] %, Vf -6,8[0-9] %\n$"
  "" "nec|--ground|perfect|--frequency|3,6|--height|20,82|--diameter|2,05|--material|56 Cu")
velmora_cli_check(nec_thinnest_wire_of_the_formulas 0 "" "the formulas take the wire as 0,1 mm"
  "nec|--frequency|3,6|--height|10|--diameter|0,05")
velmora_cli_check(nec_insulated_against_resonante_dipollaenge 0
  "\"closedForm\":{\"length\":37\\.25725,\"vf\":0\\.894174[0-9]*}.*\"insulation\":{\"epsilonR\":4,\"outerDiameter\":2\\.8},\"nec\":{\"length\":38\\.89" ""
  "nec|--json|--frequency|3,6|--height|12|--diameter|1,38|--outer-diameter|2,8|--insulation|4,0   PVC (3,5...4,5)")
if(NOT VELMORA_NEC2C)
  set_tests_properties(cli_nec_quarter_wave_average_ground cli_nec_free_space_has_no_closed_form
                       cli_nec_perfect_ground_text cli_nec_thinnest_wire_of_the_formulas
                       cli_nec_insulated_against_resonante_dipollaenge PROPERTIES DISABLED TRUE)
endif()

velmora_cli_check(nec_nec2c_missing 4 "^$"
  "nicht installiert\\. Installieren mit: sudo apt-get install nec2c"
  "nec|--frequency|3,6|--height|20,82|--diameter|2,05" ENV PATH=/nonexistent)
velmora_cli_check(nec_wire_too_thick_for_nec 2 "^$" "Der Draht ist zu dick für NEC-2"
  "nec|--frequency|3,6|--height|10|--diameter|500")
velmora_cli_check(nec_height_missing 2 "^$" "--height is missing"
  "nec|--frequency|3,6|--diameter|2")
velmora_cli_check(nec_minus_sign_refused 2 "^$" "--frequency \"-3\": type a number"
  "nec|--frequency|-3|--height|10|--diameter|2")
velmora_cli_check(nec_nec2c_not_executable 3 "^$" "not-executable/nec2c\\) ist nicht ausführbar"
  "nec|--frequency|3,6|--height|20,82|--diameter|2,05"
  ENV PATH=${CMAKE_CURRENT_SOURCE_DIR}/../nec/data/not-executable)
velmora_cli_check(nec_frequency_nec_cannot_model 2 "^$" "nicht sinnvoll bei 1000000 MHz"
  "nec|--frequency|1000000|--height|12|--diameter|2")
# Under a German locale: the German text it always showed.
velmora_cli_check(nec_insulation_neither_item_nor_number 2 "^$"
  "--insulation \"PVC\": weder ein Eintrag der Isolierungsliste.*\\(siehe velmora-calc nec --help\\)"
  "nec|--frequency|3,6|--height|12|--diameter|1,38|--outer-diameter|2,8|--insulation|PVC" ${german})
velmora_cli_check(nec_below_the_formulas_height 2 "^$" "--height: the height must be at least 0,01 m"
  "nec|--frequency|3,6|--height|0,005|--diameter|0,1")
velmora_cli_check(nec_unknown_ground 2 "^$" "use free, perfect or average"
  "nec|--ground|wet|--frequency|3,6|--height|10|--diameter|2")
velmora_cli_check(nec_material_without_number_cut_short 2 "^$"
  "--material \"CuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuC…\": no conductivity"
  "nec|--material|CuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCuCu|--frequency|3,6|--height|10|--diameter|2")
