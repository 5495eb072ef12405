# Installs the build tree into a fresh prefix, checks that the package
# names nothing of the source or build tree, then configures and builds the
# host example against the installed package alone (find_package). Run by
# CTest with -P; expects SOURCE_DIR, BUILD_TREE, PREFIX, BINARY_DIR and
# TOOLCHAIN.
file(REMOVE_RECURSE ${PREFIX} ${BINARY_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_TREE} --prefix ${PREFIX}
  RESULT_VARIABLE installed)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()

foreach(file IN ITEMS bin/varnel.dll bin/libstdc++-6.dll bin/libwinpthread-1.dll
        lib/libvarnel.dll.a include/varnel/Varnel.h include/varnel/afx/wnd/AfxWin.h
        include/varnel/amount/AmountEdit.h include/varnel/ostrik/Ostrik.h
        lib/cmake/Varnel/VarnelConfig.cmake lib/cmake/Varnel/VarnelConfigVersion.cmake
        lib/cmake/Varnel/mingw-w64-x86_64.cmake lib/cmake/Varnel/mingw-w64-i686.cmake)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "the package lacks ${file}")
  endif()
endforeach()

# Nothing of Varnel's sits in the prefix's shared include folder but its own.
file(GLOB shared_includes RELATIVE ${PREFIX}/include ${PREFIX}/include/*)
if(NOT shared_includes STREQUAL "varnel")
  message(FATAL_ERROR "the package puts ${shared_includes} in include/")
endif()

# Headers only the framework's own files include stay out of the package.
file(GLOB_RECURSE internal_headers ${PREFIX}/include/*Internal.h)
if(internal_headers)
  message(FATAL_ERROR "the package holds internal headers: ${internal_headers}")
endif()

# A package that points back into the tree it was built from would work
# here and nowhere else.
file(GLOB package_files ${PREFIX}/lib/cmake/Varnel/*.cmake)
foreach(file IN LISTS package_files)
  file(READ ${file} text)
  foreach(tree IN ITEMS ${SOURCE_DIR} ${BUILD_TREE})
    string(FIND "${text}" "${tree}" at)
    if(NOT at EQUAL -1)
      message(FATAL_ERROR "${file} names ${tree}")
    endif()
  endforeach()
endforeach()

set(HOST_OPTIONS -DVARNEL_HOST_FIND_PACKAGE=ON -DCMAKE_PREFIX_PATH=${PREFIX})
include(${CMAKE_CURRENT_LIST_DIR}/HostBuild.cmake)
