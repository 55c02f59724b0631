# One place registers every test binary and the environment it runs in.
find_package(GTest REQUIRED)
find_package(ZXing QUIET)
if(NOT ZXing_FOUND)
    pkg_check_modules(ZXING REQUIRED IMPORTED_TARGET zxing)
    add_library(ZXing::ZXing ALIAS PkgConfig::ZXING)
endif()

set(LINTARO_TEST_ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANG=C.UTF-8;ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")

# Gives a registered test its time limit in seconds; SLOW labels it `slow`, which
# `ctest -LE slow` leaves out for a quick loop. A quick test runs in under five seconds and
# keeps the 30 lintaro_add_test gives it; a test that takes longer is SLOW, with a limit of
# about three times its run under the sanitizers with -j2 on a busy machine.
function(lintaro_test_timing name timeout)
    cmake_parse_arguments(ARG "SLOW" "" "" ${ARGN})
    set_tests_properties(${name} PROPERTIES TIMEOUT ${timeout})
    if(ARG_SLOW)
        set_tests_properties(${name} PROPERTIES LABELS slow)
    endif()
endfunction()

# lintaro_add_test(NAME SOURCES src... LIBS lib... [LAUNCHER command...])
# LAUNCHER runs the test binary inside another program (an X server for the real window).
function(lintaro_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LAUNCHER" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} lintaro_test_support GTest::gtest
                                          GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    add_test(NAME ${name} COMMAND ${ARG_LAUNCHER} $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${LINTARO_TEST_ENVIRONMENT}")
    lintaro_test_timing(${name} 30)
endfunction()
