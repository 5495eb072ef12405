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
set(VARNEL_WINE_RUN ${PROJECT_SOURCE_DIR}/cmake/wine-run ${CMAKE_CROSSCOMPILING_EMULATOR})

# A prefix's environment in OUT_VAR and the fixture FIXTURE that prepares
# the prefix before the first test that requires it and stops its server
# after the last (tests NAME_setup and NAME_cleanup).
function(varnel_wine_prefix_fixture name fixture prefix out_var)
  set(env "WINEPREFIX=${prefix}" "WINEDEBUG=-all,err+all,warn+seh"
    "WINEDLLOVERRIDES=mscoree,mshtml=")
  add_test(NAME ${name}_setup COMMAND ${PROJECT_SOURCE_DIR}/cmake/wine-prefix setup)
  add_test(NAME ${name}_cleanup COMMAND ${PROJECT_SOURCE_DIR}/cmake/wine-prefix cleanup)
  set_tests_properties(${name}_setup PROPERTIES FIXTURES_SETUP ${fixture} ENVIRONMENT "${env}")
  set_tests_properties(${name}_cleanup PROPERTIES FIXTURES_CLEANUP ${fixture} ENVIRONMENT "${env}")
  set(${out_var} "${env}" PARENT_SCOPE)
endfunction()

varnel_wine_prefix_fixture(wine_prefix wine "${VARNEL_WINEPREFIX}" VARNEL_WINE_ENV)
# A second prefix, without a printer, for what programs do when there is none.
varnel_wine_prefix_fixture(wine_bare_prefix wine_bare "${CMAKE_BINARY_DIR}/wineprefix-bare"
  VARNEL_BARE_WINE_ENV)

# The command that runs PROGRAM (a target or the path of an executable) with
# its arguments through cmake/wine-run, in OUT_VAR.
function(varnel_wine_command out_var program)
  if(TARGET ${program})
    set(program $<TARGET_FILE:${program}>)
  endif()
  set(${out_var} ${VARNEL_WINE_RUN} ${program} ${ARGN} PARENT_SCOPE)
endfunction()

# The properties of a GoogleTest executable run under Wine.
function(varnel_wine_test_properties name)
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine
    ENVIRONMENT "${VARNEL_WINE_ENV}"
    # GUI tests take the focus: one at a time.
    RESOURCE_LOCK wine_desktop
    PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [0-9]+ test"
    FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]"
    TIMEOUT 300)
endfunction()

function(varnel_add_wine_test name)
  varnel_wine_command(command ${name})
  add_test(NAME ${name} COMMAND ${command})
  varnel_wine_test_properties(${name})
endfunction()

# A program that checks itself under Wine (COMMAND program args..., the
# program a target or the path of an executable) and prints one line per
# check: it passes when it reports pass_regex at the end and fails on any
# "not ok". FIXTURES names fixtures it needs besides the Wine prefix.
function(varnel_add_wine_self_test name pass_regex)
  cmake_parse_arguments(arg "" "" "COMMAND;FIXTURES" ${ARGN})
  varnel_wine_command(command ${arg_COMMAND})
  add_test(NAME ${name} COMMAND ${command})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED "wine;${arg_FIXTURES}"
    ENVIRONMENT "${VARNEL_WINE_ENV}"
    RESOURCE_LOCK wine_desktop
    PASS_REGULAR_EXPRESSION "${pass_regex}"
    FAIL_REGULAR_EXPRESSION "not ok|\\[  FAILED  \\]"
    TIMEOUT 120)
endfunction()
