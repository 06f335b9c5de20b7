# A compiler cache, where the machine has one: several checkouts of the tree,
# and rebuilds after a change of branch, reuse what was compiled before.
find_program(VEXO_CCACHE ccache)
if(VEXO_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${VEXO_CCACHE})
endif()

# One interface target carries the language level, the warnings and the strict
# Qt defines; every Vexo target links it.
add_library(vexo_options INTERFACE)
target_compile_features(vexo_options INTERFACE cxx_std_20)
target_compile_options(vexo_options INTERFACE -Wall -Wextra -Wpedantic -Wno-missing-field-initializers)
target_compile_definitions(vexo_options INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_URL_CAST_FROM_STRING QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_KEYWORDS)
if(VEXO_WERROR)
  target_compile_options(vexo_options INTERFACE -Werror)
endif()
if(VEXO_SANITIZE)
  target_compile_options(vexo_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(vexo_options INTERFACE -fsanitize=address,undefined)
endif()
if(VEXO_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VEXO_FUZZ needs clang (CMAKE_CXX_COMPILER=clang++)")
  endif()
  # Coverage feedback for libFuzzer in every library, with AddressSanitizer
  # and UndefinedBehaviorSanitizer; each fuzz target links the fuzzer's main.
  target_compile_options(vexo_options INTERFACE
      -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
      -fno-sanitize-recover=undefined)
  target_link_options(vexo_options INTERFACE -fsanitize=address,undefined)
endif()
if(VEXO_TSAN)
  target_compile_options(vexo_options INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
  target_link_options(vexo_options INTERFACE -fsanitize=thread)
endif()

# vexo_test(<name> [QT] SOURCES ... LIBS ... [LOCKS ...] [ENV VAR=value]): one GoogleTest
# executable per subsystem, its cases discovered by ctest. QT: the test main
# creates a QApplication first (tests/support), for tests that drive real
# controls. LOCKS names the shared resources every case of the executable
# holds alone while it runs (ctest's resource locks), so parallel runs never
# meet on them:
#   x_display     the X server of the run: its windows, pointer and keyboard
#   default_sink  the sound server's default sink and its volume
#   mpris_name    the player's well-known name on the session bus of the run
#                 (org.mpris.MediaPlayer2.vexo): every test that starts a player
#                 with a desktop session holds it
#   postgres_server  the PostgreSQL test database, which one test stops and
#                 starts again
# ENV adds one VAR=value setting to the environment the cases run in.
# FIXTURE name: a ctest fixture the cases need (its setup test runs first).
include(GoogleTest)
function(vexo_test name)
  cmake_parse_arguments(T "QT" "TIMEOUT;ENV;FIXTURE" "SOURCES;LIBS;LABELS;LOCKS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(T_QT)
    set(T_MAIN vexo_qt_test_main)
  else()
    set(T_MAIN GTest::gtest_main)
  endif()
  target_link_libraries(${name} PRIVATE vexo_options GTest::gtest GTest::gmock ${T_MAIN} ${T_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  if(NOT T_LABELS)
    set(T_LABELS unit)
  endif()
  gtest_discover_tests(${name}
      DISCOVERY_TIMEOUT 60
      TEST_LIST ${name}_TESTS
      PROPERTIES TIMEOUT ${T_TIMEOUT} LABELS "${T_LABELS}")
  # Set once the cases are discovered (a list of several values does not
  # survive the discovery's own PROPERTIES): Qt's offscreen platform, and the
  # user's data, cache and settings folders inside the build tree, so a test
  # never touches the folders of whoever runs it.
  set(home ${CMAKE_BINARY_DIR}/test-home)
  set(environment
      "QT_QPA_PLATFORM=offscreen;XDG_DATA_HOME=${home}/data;XDG_CACHE_HOME=${home}/cache;XDG_CONFIG_HOME=${home}/config")
  if(T_ENV)
    string(APPEND environment ";${T_ENV}")
  endif()
  set(properties "ENVIRONMENT \"${environment}\"")
  if(T_LOCKS)
    string(APPEND properties " RESOURCE_LOCK \"${T_LOCKS}\"")
  endif()
  if(T_FIXTURE)
    string(APPEND properties " FIXTURES_REQUIRED ${T_FIXTURE}")
  endif()
  set(properties_file ${CMAKE_CURRENT_BINARY_DIR}/${name}_properties.cmake)
  file(WRITE ${properties_file}
       "if(${name}_TESTS)\n"
       "  set_tests_properties(\${${name}_TESTS} PROPERTIES ${properties})\n"
       "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${properties_file})
endfunction()
