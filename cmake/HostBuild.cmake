# Configures and builds a host project on its own, the way a host project
# builds: by default the host example with Varnel added as a subproject
# (add_subdirectory); HOST_SOURCE names another host's folder, HOST_OPTIONS
# adds configure options (HostPackageBuild.cmake points it at an installed
# package). Run by CTest with -P, or included; expects SOURCE_DIR,
# BINARY_DIR and TOOLCHAIN.
if(NOT HOST_SOURCE)
  set(HOST_SOURCE ${SOURCE_DIR}/examples/host)
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${HOST_SOURCE} -B ${BINARY_DIR} -G Ninja
          -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DCMAKE_BUILD_TYPE=Release ${HOST_OPTIONS}
  RESULT_VARIABLE configured)
if(NOT configured EQUAL 0)
  message(FATAL_ERROR "the host project did not configure (${HOST_OPTIONS})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY_DIR} RESULT_VARIABLE built)
if(NOT built EQUAL 0)
  message(FATAL_ERROR "the host project did not build (${HOST_OPTIONS})")
endif()
