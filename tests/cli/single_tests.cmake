# SPDX-License-Identifier: GPL-3.0-or-later
# velmora-calc single: each value typed into the box the chosen calculation shows for it. The
# results themselves are the dialog model's (tests/single); here: options, boxes and output.
velmora_cli_check(single_resonant_length_by_default 0
  "^Ant\\.-Länge \\[m\\]: 37,782\nVf \\(ohne Isol\\.\\) : 0,927\nGesamt - Vf : 0,907\n Berechnung: resonante Dipollänge \\(Dipol-Länge = 37,782 m, Draht d = 2,05 mm/1,4 mm bei 3,6 MHz\\)\n$"
  "^$" "single")
velmora_cli_check(single_velocity_factor_decimal_point 0
  "^Vf-Schlangh\\.-Grd \\[%\\]: 2\\.561\nVf-Ant\\.-Höhe \\[%\\]: 4\\.941\nVf-Gesamt : 0\\.926\n Berechnung: Vf \\(Dipol-Länge = 3\\.6 m, Draht d = 2\\.05 mm bei 3\\.6 MHz\\)\n$"
  "^$" "single|--decimal-point|--choice|Verkürzungsfaktor Vf|--height|12|--diameter|2.05|--frequency|3.6")
# The later --height replaces the earlier; an empty --frequency empties its box.
velmora_cli_check(single_json_later_value_and_empty_value 0
  "\"Text6\":\"12\",.*\"Text9\":\"\",\"beeps\":1,\"focus\":\"Text9\",\"messages\":\\[\\],\"status\":\"Einzel-Wert-Berechnung\"}"
  "" "single|--json|--choice|Verkürzungsfaktor Vf|--height|5|--height|12|--frequency=")
velmora_cli_check(single_resonant_length_frequency_goes_to_value_1 0
  "\"Label13\":\"0,893\",.*\"Text7\":\"7,1\",\"Text8\":\"\",\"Text9\":\"\"" ""
  "single|--json|--frequency|7,1|--insulation|4,0   PVC (3,5...4,5)")
velmora_cli_check(single_radiation_resistance_free_space 0
  "Rs \\[Ohm\\]: 37,521\n.* \\(Dipol-Länge = 20 m, .* im Freiraum\n" ""
  "single|--choice|Strahlungswiderstand Rs|--free-space|--length|20")
velmora_cli_check(single_ground_loss_material 0 "Rv \\[Ohm\\] mit Skineffekt: 2,93\n" ""
  "single|--choice|Bodendämpfung Rve|--material|62,5 Ag")
velmora_cli_check(single_unknown_choice_shows_the_message 3 "\n Falsche Formel !\n$"
  "^message box \"Fehler \": Falscher Operator !\n$" "single|--choice|Quatsch")

# Refused: status 2, nothing on stdout.
velmora_cli_check(single_refused_character 2 "^$" "--height \"12a\": the box refuses \"a\""
  "single|--height|12a")
velmora_cli_check(single_value_longer_than_the_box 2 "^$"
  "--diameter: the box takes at most 64 characters"
  "single|--choice|Strahlungswiderstand Rs|--diameter|11111111111111111111111111111111111111111111111111111111111111111")
velmora_cli_check(single_hidden_length_box 2 "^$"
  "--length: the calculation \"Verkürzungsfaktor Vf\" has no such box"
  "single|--choice|Verkürzungsfaktor Vf|--length|30")
velmora_cli_check(single_hidden_material_box 2 "^$"
  "--material: the calculation \"resonante Dipollänge\" has no such box" "single|--material|56 Cu")
velmora_cli_check(single_hidden_free_space_box 2 "^$"
  "--free-space: the calculation \"Bodendämpfung Rve\" has no such box"
  "single|--choice|Bodendämpfung Rve|--free-space")
velmora_cli_check(single_unknown_option 2 "^$" "Unknown option" "single|--wavelength|80")
velmora_cli_check(single_stray_argument 2 "^$" "unexpected argument \"12\"" "single|12")
