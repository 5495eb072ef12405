# Builds the host program README.md shows, block by block as a reader would
# copy it, against the package HostPackageBuild.cmake installed. Run by
# CTest with -P; expects SOURCE_DIR, PREFIX, BINARY_DIR and PYTHON.
set(HOST_SOURCE ${BINARY_DIR}-src)
file(REMOVE_RECURSE ${HOST_SOURCE} ${BINARY_DIR})
execute_process(COMMAND ${PYTHON} ${SOURCE_DIR}/scripts/readme-host ${HOST_SOURCE}
  RESULT_VARIABLE extracted)
if(NOT extracted EQUAL 0)
  message(FATAL_ERROR "the README's host could not be extracted")
endif()
set(TOOLCHAIN ${PREFIX}/lib/cmake/Varnel/mingw-w64-x86_64.cmake)
set(HOST_OPTIONS -DCMAKE_PREFIX_PATH=${PREFIX})
include(${CMAKE_CURRENT_LIST_DIR}/HostBuild.cmake)
