# Configures and builds the host example on its own, with Varnel added as a
# subproject (add_subdirectory), the way a host project uses it. Run by
# CTest with -P; expects SOURCE_DIR, BINARY_DIR and TOOLCHAIN.
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/host -B ${BINARY_DIR} -G Ninja
          -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DCMAKE_BUILD_TYPE=Release
  RESULT_VARIABLE configured)
if(NOT configured EQUAL 0)
  message(FATAL_ERROR "the host project did not configure")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY_DIR} RESULT_VARIABLE built)
if(NOT built EQUAL 0)
  message(FATAL_ERROR "the host project did not build")
endif()
