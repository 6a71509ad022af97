# SPDX-License-Identifier: GPL-3.0-or-later
# velmora_add_test(NAME SOURCES... LIBS ...): one GoogleTest executable, registered with CTest.
function(velmora_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS unit)
endfunction()

# velmora_add_qt_test(NAME SOURCES... LIBS ...): one QtTest executable, run offscreen with a
# private config and runtime folder so tests never touch the user's settings, and in German
# whatever the caller's locale (LC_ALL outranks LANG; LANGUAGE would outrank both for texts).
function(velmora_add_qt_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test)
  add_test(NAME ${name} COMMAND ${name})
  set(runtime_dir ${CMAKE_BINARY_DIR}/test-runtime)
  file(MAKE_DIRECTORY ${runtime_dir} ${CMAKE_BINARY_DIR}/test-config)
  file(CHMOD ${runtime_dir} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  set_tests_properties(${name} PROPERTIES LABELS qt ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${runtime_dir};XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-config;LC_ALL=de_DE.UTF-8;LANGUAGE=")
endfunction()
