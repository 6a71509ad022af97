# velmora-calc single: one case per line; arguments joined by "|".
# OUT is matched against stdout, ERR against stderr; an empty one is not checked.
function(velmora_cli_single name rc out err args)
  velmora_cli_check(single_${name} ${rc} "${out}" "${err}" "${args}")
endfunction()

velmora_cli_single(velocity_factor 0
  "Vf-Schlangh\\.-Grd \\[%\\]: 2,561\nVf-Ant\\.-Höhe \\[%\\]: 4,941\nVf-Gesamt : 0,926\n Berechnung: Vf \\(Dipol-Länge = 3,6 m, Draht d = 2,05 mm bei 3,6 MHz\\)\n"
  ""
  "single|--choice|Verkürzungsfaktor Vf|--height|12|--diameter|2,05|--frequency|3,6")
velmora_cli_single(velocity_factor_decimal_point 0
  "Vf-Ant\\.-Höhe \\[%\\]: 4\\.941\nVf-Gesamt : 0\\.926\n"
  ""
  "single|--decimal-point|--choice|Verkürzungsfaktor Vf|--diameter|2.05")
velmora_cli_single(velocity_factor_without_frequency 0
  "\"beeps\":1,\"focus\":\"Text9\",\"messages\":\\[\\],\"status\":\"Einzel-Wert-Berechnung\"}"
  ""
  "single|--json|--choice|Verkürzungsfaktor Vf|--frequency=")
velmora_cli_single(velocity_factor_thick_wire 0
  "\"Text8\":\"2000,0\".*\"beeps\":1,\"focus\":null.*Draht d = 3000 mm"
  ""
  "single|--json|--choice|Verkürzungsfaktor Vf|--height|1|--diameter|3000")
velmora_cli_single(resonant_length_by_default 0
  "^Ant\\.-Länge \\[m\\]: 37,782\nVf \\(ohne Isol\\.\\) : 0,927\nGesamt - Vf : 0,907\n Berechnung: resonante Dipollänge \\(Dipol-Länge = 37,782 m, Draht d = 2,05 mm/1,4 mm bei 3,6 MHz\\)\n$"
  ""
  "single")
velmora_cli_single(resonant_length_frequency_goes_to_value_1 0
  "\"Text7\":\"7,1\",\"Text8\":\"\",\"Text9\":\"\""
  ""
  "single|--json|--frequency|7,1|--insulation|4,0   PVC (3,5...4,5)")
velmora_cli_single(radiation_resistance_free_space 0
  "Rs \\[Ohm\\]: 37,521\nRv \\[Ohm\\] mit Skineffekt: 3,1\nImpedanz Z \\[Ohm\\]: 40,62\n.* im Freiraum\n"
  ""
  "single|--choice|Strahlungswiderstand Rs|--free-space")
velmora_cli_single(radiation_resistance_without_length 0
  "\"Label13\":\"\",.*\"Label5\":\"44,24\".*\"Text7\":\"\""
  ""
  "single|--json|--choice|Strahlungswiderstand Rs|--length=")
velmora_cli_single(quality_at_diameter_describes_the_wire 0
  "Qa: 19,813\n.* Berechnung: Antennengüte Qa \\(Dipol-Länge = 39,583 m, Draht d = 2,05 mm bei 3,6 MHz\\)"
  ""
  "single|--choice|Ant. - Güte Qa bei d")
velmora_cli_single(ground_loss_typed_choice 0
  "Rve \\[Ohm\\]: 4,055\n"
  ""
  "single|--choice|Bodendämpfung Rve|--material|62,5 Ag")
velmora_cli_single(later_value_replaces_earlier 0
  "\"Text6\":\"12\""
  ""
  "single|--json|--choice|Verkürzungsfaktor Vf|--height|5|--height|12")
velmora_cli_single(unknown_choice_shows_the_message 0
  "\n Falsche Formel !\n$"
  "message box \"Fehler \": Falscher Operator !"
  "single|--choice|Quatsch")
velmora_cli_single(help_names_the_boxes_that_take_any_text 0
  "--outer-diameter and --conductor-diameter take any text, as the\n  dialog's boxes do\\."
  ""
  "single|--help")
velmora_cli_single(refused_character 2
  "^$"
  "--height \"12a\": the box refuses \"a\""
  "single|--height|12a")
velmora_cli_single(value_longer_than_the_box 2
  "^$"
  "--diameter: the box takes at most 64 characters"
  "single|--choice|Strahlungswiderstand Rs|--diameter|11111111111111111111111111111111111111111111111111111111111111111")
velmora_cli_single(minus_sign_refused 2
  "^$"
  "refuses \"-\""
  "single|--choice|Strahlungswiderstand Rs|--length=-5")
velmora_cli_single(hidden_length_box 2
  "^$"
  "--length: the calculation \"Verkürzungsfaktor Vf\" has no such box"
  "single|--choice|Verkürzungsfaktor Vf|--length|30")
velmora_cli_single(hidden_material_box 2
  "^$"
  "--material: the calculation \"resonante Dipollänge\" has no such box"
  "single|--material|56 Cu")
velmora_cli_single(hidden_free_space_box 2
  "^$"
  "--free-space: the calculation \"Bodendämpfung Rve\" has no such box"
  "single|--choice|Bodendämpfung Rve|--free-space")
velmora_cli_single(unknown_option 2
  "^$"
  "Unknown option"
  "single|--wavelength|80")
velmora_cli_single(stray_argument 2
  "^$"
  "unexpected argument \"12\""
  "single|12")
