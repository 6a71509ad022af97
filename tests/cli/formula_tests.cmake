# velmora-calc formula: run as a user would, under a German locale.
velmora_add_qt_test(cli_formula_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/formula_command_test.cpp
                    LIBS Qt6::Core)
target_compile_definitions(cli_formula_test PRIVATE VELMORA_CALC="$<TARGET_FILE:velmora-calc>")
add_dependencies(cli_formula_test velmora-calc)
