# SPDX-License-Identifier: GPL-3.0-or-later
# velmora-calc band on the 80 m example: 1,38 mm copper in 2,8 mm PVC, 12 m over average ground.
set(band_example "band|--band|80m|--frequency|3,65|--height|12|--diameter|1,38|--outer-diameter|2,8|--insulation|4,0   PVC (3,5...4,5)")
velmora_cli_check(band_example_json 0
  "^{\"band\":{\"from\":3\\.5,\"name\":\"80 m\",\"to\":3\\.8},\"closedForm\":{\"bandwidth\":{\"1\\.5\":{[^}]*},\"2\":{\"from\":3\\.5797[0-9]*,\"to\":3\\.7202[0-9]*}},\"efficiency\":0\\.869[0-9]*,\"legLength\":18\\.354[0-9]*,\"length\":36\\.70[89][0-9]*,.*\"nec\":{.*\"length\":38\\.3[56][0-9]*,.*\"runs\":[0-9]+.*\"points\":\\[{\"closedForm\":{[^}]*},\"frequency\":3\\.35,\"nec\":{\"r\":"
  "^$" "${band_example}|--json")
find_program(VELMORA_NEC2C nec2c)
if(NOT VELMORA_NEC2C)
  set_tests_properties(cli_band_example_json PROPERTIES DISABLED TRUE)
endif()
velmora_cli_check(band_nec2c_missing_prints_the_closed_form 4
  "^Band 80 m: 3,5 bis 3,8 MHz, Entwurf bei 3,65 MHz, Z0 12,5 Ohm, mittlerer Boden\nFormel: Länge 36,709 m"
  "nicht installiert" "${band_example}|--impedance|12,5" ENV PATH=/nonexistent)
velmora_cli_check(band_free_csv_without_nec 0
  "^f MHz;Formel R Ohm;Formel X Ohm;Formel SWV;NEC-2 R Ohm;NEC-2 X Ohm;NEC-2 SWV\n6,9;[^\n]*;;;\n" ""
  "band|--from|7|--to|7,2|--height|10|--diameter|2|--no-nec|--csv")
velmora_cli_check(band_band_and_limits 2 "^$" "give either --band or both --from and --to"
  "band|--band|40m|--from|7|--height|10|--diameter|2")
velmora_cli_check(band_unknown_ground_in_german 2 "^$"
  "^velmora-calc band: --ground „wet“: average oder perfect angeben \\(siehe velmora-calc band"
  "band|--band|40m|--height|10|--diameter|2|--ground|wet" ${german})
