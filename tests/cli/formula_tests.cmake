# SPDX-License-Identifier: GPL-3.0-or-later
# velmora-calc formula: single results with 9 significant digits, double results with 17, a
# failure as "failed" and status 3; nothing on stderr, not even Qt's start. Numbers never follow
# the locale. The values themselves are the formulas' (tests/formulas).
velmora_cli_check(formula_single_result 0 "^44\\.2406998\n$" "^$"
                  "formula|RadiationResistance|3.6|12|-1")
velmora_cli_check(formula_double_result 0 "^2\\.9999999999999996\n$" "^$" "formula|Log10|1000")
# s is a double: rounded to single, 0.49999999 would be 0.5 and the length 0.
velmora_cli_check(formula_double_argument 0 "^8\\.32756825e-07\n$" "^$"
                  "formula|ResonantDipoleLength|1|1|0.49999999|3.6")
velmora_cli_check(formula_plus_sign 0 "^2\\.5614996\n$" "^$"
                  "formula|WireShorteningPercent|+3.6|+2.05")
velmora_cli_check(formula_failed 3 "^failed\n$" "^$" "formula|Log10|0")
velmora_cli_check(formula_help 0 "sigma: .*m/\\(ohm mm\\^2\\).*ResonantDipoleLength k Vf s f\n"
                  "^$" "formula|--help")

# Refused: status 2, nothing on stdout, the reason on stderr.
velmora_cli_check(formula_missing_name 2 "^$" "missing function name; known functions: Log10, "
                  "formula")
velmora_cli_check(formula_unknown_function 2 "^$" "unknown function 'Log2'; known functions: "
                  "formula|Log2|8")
velmora_cli_check(unknown_command 2 "^$" "unknown command 'formel'" "formel")
velmora_cli_check(formula_argument_count 2 "^$"
                  "takes 3 arguments, got 2\nusage: .* RadiationResistance f h realGround\n"
                  "formula|RadiationResistance|3.6|12")
velmora_cli_check(formula_decimal_comma 2 "^$"
                  "argument 1 \\(f, frequency in MHz\\) '3,6' is not a number \\(write .* point"
                  "formula|WireShorteningPercent|3,6|2.05")
velmora_cli_check(formula_not_a_number 2 "^$" "'3\\.6MHz' is not a number\n"
                  "formula|WireShorteningPercent|3.6MHz|2.05")
velmora_cli_check(formula_not_finite 2 "^$" "'inf' is not a finite number" "formula|Log10|inf")
velmora_cli_check(formula_beyond_single 2 "^$" "argument 2 \\(d, .* beyond the single-precision"
                  "formula|WireShorteningPercent|3.6|1e39")
velmora_cli_check(formula_out_of_range 2 "^$" "'1e400' is out of range" "formula|Log10|1e400")
velmora_cli_check(formula_not_a_flag 2 "^$" "argument 3 \\(realGround.*is not a flag"
                  "formula|RadiationResistance|3.6|12|true")
