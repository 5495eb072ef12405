# Running test executables under Wine from CTest.
#
# One Wine prefix per build tree. A fixture prepares it (persistent
# wineserver, wineboot, no window-manager wait) before the first Wine test
# and stops the server after the last one; every Wine test requires it.
set(VARNEL_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix" CACHE PATH "Wine prefix of the win suite")

# A prefix's environment in OUT_VAR and the fixture FIXTURE that prepares
# the prefix before the first test that requires it and stops its server
# after the last (tests NAME_setup and NAME_cleanup).
function(varnel_wine_prefix_fixture name fixture prefix out_var)
  set(env "WINEPREFIX=${prefix}" "WINEDEBUG=-all" "WINEDLLOVERRIDES=mscoree,mshtml=")
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
  add_test(NAME ${name} COMMAND ${name})
  varnel_wine_test_properties(${name})
endfunction()

# A program that checks itself under Wine (COMMAND ...) and prints one line
# per check: it passes when it reports pass_regex at the end and fails on
# any "not ok". FIXTURES names fixtures it needs besides the Wine prefix.
function(varnel_add_wine_self_test name pass_regex)
  cmake_parse_arguments(arg "" "" "COMMAND;FIXTURES" ${ARGN})
  add_test(NAME ${name} COMMAND ${arg_COMMAND})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED "wine;${arg_FIXTURES}"
    ENVIRONMENT "${VARNEL_WINE_ENV}"
    RESOURCE_LOCK wine_desktop
    PASS_REGULAR_EXPRESSION "${pass_regex}"
    FAIL_REGULAR_EXPRESSION "not ok"
    TIMEOUT 120)
endfunction()
