# Configures and builds a host example on its own, the way a host project
# builds: by default with Varnel added as a subproject (add_subdirectory);
# HOST_OPTIONS adds configure options (HostPackageBuild.cmake points it at
# an installed package). Run by CTest with -P, or included; expects
# SOURCE_DIR, BINARY_DIR and TOOLCHAIN; HOST_DIR names the example's folder
# (examples/host by default); LAUNCHER, when given, is the compiler
# launcher (ccache) the build uses.
if(NOT HOST_DIR)
  set(HOST_DIR examples/host)
endif()
if(LAUNCHER)
  list(APPEND HOST_OPTIONS -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER}
    -DCMAKE_C_COMPILER_LAUNCHER=${LAUNCHER})
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR}/${HOST_DIR} -B ${BINARY_DIR} -G Ninja
          -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DCMAKE_BUILD_TYPE=Release ${HOST_OPTIONS}
  RESULT_VARIABLE configured)
if(NOT configured EQUAL 0)
  message(FATAL_ERROR "the host project did not configure (${HOST_OPTIONS})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY_DIR} RESULT_VARIABLE built)
if(NOT built EQUAL 0)
  message(FATAL_ERROR "the host project did not build (${HOST_OPTIONS})")
endif()
