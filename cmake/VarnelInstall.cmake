# cmake --install: the libraries, the headers and a CMake package, so that a
# host writes find_package(Varnel REQUIRED) and links Varnel::varnel (the
# DLL with the framework's WinMain) or Varnel::core (the portable core).
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

option(VARNEL_INSTALL "Add Varnel's install rules" ${PROJECT_IS_TOP_LEVEL})
if(NOT VARNEL_INSTALL)
  return()
endif()

set(VARNEL_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/Varnel)

if(WIN32)
  set_target_properties(varnel_core_dll PROPERTIES EXPORT_NAME core)
  set_target_properties(varnel_main PROPERTIES EXPORT_NAME main)
  set(varnel_installed_targets varnel varnel_core_dll varnel_main ostrik)
  install(FILES ${VARNEL_RUNTIME_DLL_PATHS} DESTINATION ${CMAKE_INSTALL_BINDIR})
else()
  set_target_properties(varnel_core PROPERTIES EXPORT_NAME core)
  set(varnel_installed_targets varnel_core ostrik)
endif()

install(TARGETS ${varnel_installed_targets} EXPORT VarnelTargets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})

# Headers keep the source tree's layout under include/varnel/: they include
# each other from the root ("afx/wnd/AfxWin.h"), and a host's include path is
# include/varnel, so it writes #include "Varnel.h" while nothing of Varnel
# sits in the prefix's shared include folder. Every folder the umbrella
# header includes from is installed whole (its headers include helpers the
# umbrella does not name), and ostrik, which the module headers include.
set(VARNEL_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/varnel)
file(STRINGS Varnel.h varnel_umbrella_includes REGEX "^#[ ]*include \"[a-z]+/")
set(varnel_header_folders ostrik)
foreach(line IN LISTS varnel_umbrella_includes)
  string(REGEX REPLACE "^#[ ]*include \"([a-z]+)/.*" "\\1" folder "${line}")
  list(APPEND varnel_header_folders ${folder})
endforeach()
list(REMOVE_DUPLICATES varnel_header_folders)
install(FILES Varnel.h DESTINATION ${VARNEL_INSTALL_INCLUDEDIR})
# Headers only the framework's own files include (*Internal.h, the modal
# owner) stay behind.
install(DIRECTORY ${varnel_header_folders}
  DESTINATION ${VARNEL_INSTALL_INCLUDEDIR}
  FILES_MATCHING PATTERN "*.h"
  PATTERN "*Internal.h" EXCLUDE
  PATTERN "AfxModalOwner.h" EXCLUDE)

# The toolchain files a host builds with (the library exports C++ classes:
# the same compiler and runtime on both sides), so that a host needs only
# the package: -DCMAKE_TOOLCHAIN_FILE=<prefix>/lib/cmake/Varnel/mingw-w64-x86_64.cmake
install(FILES cmake/mingw-w64-x86_64.cmake cmake/mingw-w64-i686.cmake
  DESTINATION ${VARNEL_INSTALL_CMAKEDIR})

install(EXPORT VarnelTargets NAMESPACE Varnel:: DESTINATION ${VARNEL_INSTALL_CMAKEDIR})
configure_package_config_file(cmake/VarnelConfig.cmake.in
  ${PROJECT_BINARY_DIR}/VarnelConfig.cmake
  INSTALL_DESTINATION ${VARNEL_INSTALL_CMAKEDIR})
# Before 1.0 a minor version may break the interface. The version file also
# refuses a package of the other pointer size (a 32-bit Varnel for a 64-bit
# host).
write_basic_package_version_file(${PROJECT_BINARY_DIR}/VarnelConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/VarnelConfig.cmake
  ${PROJECT_BINARY_DIR}/VarnelConfigVersion.cmake
  DESTINATION ${VARNEL_INSTALL_CMAKEDIR})
