# Running test executables under Wine from CTest.
#
# One Wine prefix per build tree. A fixture prepares it (persistent
# wineserver, wineboot, no window-manager wait, no crash dialog) before the
# first Wine test and stops the server after the last one; every Wine test
# requires it.
#
# Tests run through cmake/wine-run with Wine's errors and exception
# messages on: an exception Wine swallowed inside a window procedure fails
# the test even when no check did.
set(VARNEL_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix" CACHE PATH "Wine prefix of the win suite")
set(VARNEL_WINE_ENV
  "WINEPREFIX=${VARNEL_WINEPREFIX}"
  "WINEDEBUG=-all,err+all,warn+seh"
  "WINEDLLOVERRIDES=mscoree,mshtml=")
set(VARNEL_WINE_RUN ${PROJECT_SOURCE_DIR}/cmake/wine-run ${CMAKE_CROSSCOMPILING_EMULATOR})

add_test(NAME wine_prefix_setup COMMAND ${PROJECT_SOURCE_DIR}/cmake/wine-prefix setup)
add_test(NAME wine_prefix_cleanup COMMAND ${PROJECT_SOURCE_DIR}/cmake/wine-prefix cleanup)
set_tests_properties(wine_prefix_setup PROPERTIES
  FIXTURES_SETUP wine ENVIRONMENT "${VARNEL_WINE_ENV}")
set_tests_properties(wine_prefix_cleanup PROPERTIES
  FIXTURES_CLEANUP wine ENVIRONMENT "${VARNEL_WINE_ENV}")

function(varnel_add_wine_test name)
  add_test(NAME ${name} COMMAND ${VARNEL_WINE_RUN} $<TARGET_FILE:${name}>)
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine
    ENVIRONMENT "${VARNEL_WINE_ENV}"
    # GUI tests take the focus: one at a time.
    RESOURCE_LOCK wine_desktop
    PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [0-9]+ test"
    FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]"
    TIMEOUT 300)
endfunction()

# A program that checks itself under Wine (COMMAND program args..., the
# program a target or the path of an executable) and prints one line per
# check: it passes when it reports pass_regex at the end and fails on any
# "not ok". FIXTURES names fixtures it needs besides the Wine prefix.
function(varnel_add_wine_self_test name pass_regex)
  cmake_parse_arguments(arg "" "" "COMMAND;FIXTURES" ${ARGN})
  list(POP_FRONT arg_COMMAND program)
  if(TARGET ${program})
    set(program $<TARGET_FILE:${program}>)
  endif()
  add_test(NAME ${name} COMMAND ${VARNEL_WINE_RUN} ${program} ${arg_COMMAND})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED "wine;${arg_FIXTURES}"
    ENVIRONMENT "${VARNEL_WINE_ENV}"
    RESOURCE_LOCK wine_desktop
    PASS_REGULAR_EXPRESSION "${pass_regex}"
    FAIL_REGULAR_EXPRESSION "not ok|\\[  FAILED  \\]"
    TIMEOUT 120)
endfunction()
