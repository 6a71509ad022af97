# SPDX-License-Identifier: GPL-3.0-or-later
# velmora-calc measure on a hand-made sweep: R 60 ohm, X crossing zero at 3,553 MHz, |S| > 1 last.
set(sweep ${CMAKE_CURRENT_SOURCE_DIR}/data/dipole_80m.s1p)
find_program(VELMORA_NEC2C nec2c)
velmora_cli_check(measure_figures_and_scale_trim 0
  "^{\"bandwidth\":{\"1\\.5\":{\"from\":3\\.50399[0-9]*,\"to\":3\\.60216[0-9]*},\"2\":{\"from\":3\\.46072[0-9]*,\"to\":3\\.64507[0-9]*}},\"file\":\"[^\"]*dipole_80m\\.s1p\",\"from\":3\\.4,\"impedance\":50,\"points\":21,\"resonance\":3\\.55300[0-9]*,\"swrMin\":{\"frequency\":3\\.56,\"swr\":1\\.20863[0-9]*},\"to\":3\\.8,\"trim\":{\"lengthNew\":39\\.67516[0-9]*,\"lengthNow\":40\\.2,\"model\":\"scale\",\"perLegCm\":-26,\"target\":3\\.6}}\n$"
  "^$" "measure|--json|--frequency|3,6|--length|40,2|${sweep}")
velmora_cli_check(measure_text_without_a_trim 0
  "^Messung: 21 Punkte von 3,400 MHz bis 3,800 MHz, SWR gegen 75 Ohm\nResonanz: 3,553 MHz\nkleinstes SWR: 1,25 bei 3,560 MHz\nSWR <= 1,5: 3,497 MHz bis 3,609 MHz\nSWR <= 2: 3,442 MHz bis 3,664 MHz\n$"
  "^$" "measure|--impedance|75|${sweep}")
velmora_cli_check(measure_trim_by_the_formulas 0
  "Abgleich nach der resonanten Dipollänge der Formeln: je Schenkel 27,5 cm kürzen, neue Länge 39,65 m\n$"
  "^$" "measure|--no-nec|--frequency|3,6|--length|40,2|--height|20|--diameter|1,38|--outer-diameter|2,8|--insulation|4|${sweep}")
velmora_cli_check(measure_trim_by_nec 0 "\"model\":\"nec\",\"perLegCm\":-2[0-9](\\.5)?," "^$"
  "measure|--json|--frequency|3,6|--length|40,2|--height|20|--diameter|2|${sweep}")
if(NOT VELMORA_NEC2C)
  set_tests_properties(cli_measure_trim_by_nec PROPERTIES DISABLED TRUE)
endif()
velmora_cli_check(measure_formulas_without_nec2c 0 "\"model\":\"formula\"" "^$"
  "measure|--json|--frequency|3,6|--length|40,2|--height|20|--diameter|2|${sweep}"
  ENV PATH=/nonexistent)
velmora_cli_check(measure_malformed_file 2 "^$"
  "^velmora-calc measure: [^\n]*malformed\\.s1p: Zeile 3: „0,1“ ist keine Zahl\\.\n$"
  "measure|${CMAKE_CURRENT_SOURCE_DIR}/data/malformed.s1p")
velmora_cli_check(measure_height_without_diameter 2 "^$" "--height needs both --height and"
  "measure|--height|20|${sweep}")
velmora_cli_check(measure_length_without_target 2 "^$" "--length needs --frequency"
  "measure|${sweep}|--length|40")
# The closed form's sweep of a band, exported and read back: its resonance and lowest SWR.
velmora_cli_check(band_touchstone_export 0 "" "^$"
  "band|--band|80m|--height|12|--diameter|1,38|--no-nec|--touchstone|${cli_out}/band.s1p"
  FILE ${cli_out}/band.s1p HEAD 212050726f6772616d6d3a2056656c6d6f726120)
velmora_cli_check(measure_exported_band 0
  "\"resonance\":3\\.65,\"swrMin\":{\"frequency\":3\\.65,\"swr\":1\\.03871366314489" "^$"
  "measure|${cli_out}/band.s1p|--json")
set_tests_properties(cli_measure_exported_band PROPERTIES DEPENDS cli_band_touchstone_export)
