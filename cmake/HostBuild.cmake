# Configures and builds a host project on its own, the way a host project
# builds: by default the host example with Varnel added as a subproject
# (add_subdirectory); HOST_SOURCE names another host's folder, HOST_OPTIONS
# adds configure options (HostPackageBuild.cmake points it at an installed
# package), PREFIX alone does the same for a package installed before.
# LAUNCHER, when given, is the compiler launcher (ccache) of the build. Run
# by CTest with -P, or included; expects BINARY_DIR and TOOLCHAIN, and
# SOURCE_DIR unless HOST_SOURCE is given.
if(NOT HOST_SOURCE)
  set(HOST_SOURCE ${SOURCE_DIR}/examples/host)
endif()
if(PREFIX AND NOT HOST_OPTIONS)
  # A build from scratch: nothing cached from another package.
  file(REMOVE_RECURSE ${BINARY_DIR})
  set(HOST_OPTIONS -DVARNEL_HOST_FIND_PACKAGE=ON -DCMAKE_PREFIX_PATH=${PREFIX})
endif()
if(LAUNCHER)
  list(APPEND HOST_OPTIONS -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER}
    -DCMAKE_C_COMPILER_LAUNCHER=${LAUNCHER})
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
