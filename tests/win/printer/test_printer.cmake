# The tests' printer, in the win suite's Wine prefix: Ghostscript's own
# description of a PostScript printer that makes PDF files, on Wine's
# PostScript driver, installed through the spooler as a printer's
# installer would (install_printer). Its port pipes each job into
# print-to-pdf, which writes it as VARNEL_PRINTER_DIR/TITLE.pdf. A second
# printer of the same kind writes into second/ there, for the tests that
# choose a printer. Nothing outside the build
# folder changes: not the machine's print system, not its default printer.
file(GLOB VARNEL_PPD /usr/share/ghostscript/*/lib/ghostpdf.ppd)
if(NOT VARNEL_PPD)
  message(FATAL_ERROR "Ghostscript's PDF printer description (ghostpdf.ppd) is missing: "
    "scripts/bootstrap installs ghostscript")
endif()
list(GET VARNEL_PPD 0 VARNEL_PPD)
set(VARNEL_PRINTER "Varnel Test Printer")
set(VARNEL_PRINTER_2 "Varnel Test Printer 2")
set(VARNEL_PRINTER_DIR ${CMAKE_BINARY_DIR}/printer)

add_executable(install_printer ${CMAKE_CURRENT_LIST_DIR}/InstallPrinter.cpp)
varnel_warnings(install_printer)
target_link_libraries(install_printer PRIVATE winspool)

set(to_pdf ${CMAKE_CURRENT_LIST_DIR}/print-to-pdf)
add_test(NAME test_printer_setup COMMAND install_printer ${VARNEL_PRINTER} ${VARNEL_PPD}
  "|\"${to_pdf}\" \"${VARNEL_PRINTER_DIR}\"" --default)
add_test(NAME test_printer_2_setup COMMAND install_printer ${VARNEL_PRINTER_2} ${VARNEL_PPD}
  "|\"${to_pdf}\" \"${VARNEL_PRINTER_DIR}/second\"")
set_tests_properties(test_printer_setup test_printer_2_setup PROPERTIES
  FIXTURES_SETUP test_printer FIXTURES_REQUIRED wine ENVIRONMENT "${VARNEL_WINE_ENV}"
  RESOURCE_LOCK wine_desktop PASS_REGULAR_EXPRESSION "ready" TIMEOUT 60)
