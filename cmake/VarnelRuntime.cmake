# What the DLL carries beside its code: a version resource made from the
# project's version, and (in the 32-bit build) the compiler's runtime DLLs.

# The version resource of varnel.dll, from project(VERSION).
function(varnel_version_resource target)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/VarnelVersion.rc.in
    ${PROJECT_BINARY_DIR}/VarnelVersion.rc @ONLY)
  target_sources(${target} PRIVATE ${PROJECT_BINARY_DIR}/VarnelVersion.rc)
endfunction()

# The compiler's runtime DLLs a host may need beside varnel.dll. The
# i686 compiler unwinds with DWARF tables: with a static runtime in the DLL
# and another in the executable, an exception thrown in the DLL for the
# executable finds no handler and ends the process, so the 32-bit build
# links libgcc, libstdc++ and winpthread as DLLs (the toolchain file). The
# 64-bit DLL carries its runtime inside, but a host built with an ordinary
# mingw-w64 toolchain (no -static) imports the runtime DLLs itself, and
# without them it cannot even start. Either way they are copied beside
# varnel.dll after each build and installed with it; the target's
# VARNEL_RUNTIME_DLLS property lists them for a host that copies varnel.dll
# beside its program.
set(VARNEL_RUNTIME_DLL_NAMES "")
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(VARNEL_RUNTIME_DLL_NAMES libgcc_s_dw2-1.dll libstdc++-6.dll libwinpthread-1.dll)
elseif(WIN32)
  set(VARNEL_RUNTIME_DLL_NAMES libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
endif()

function(varnel_ship_runtime target)
  set(dlls "")
  foreach(name IN LISTS VARNEL_RUNTIME_DLL_NAMES)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name}
      OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
      message(FATAL_ERROR "the compiler's runtime ${name} was not found")
    endif()
    get_filename_component(path "${path}" REALPATH)
    list(APPEND dlls ${path})
  endforeach()
  set_target_properties(${target} PROPERTIES VARNEL_RUNTIME_DLLS "${dlls}")
  if(dlls)
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${dlls} $<TARGET_FILE_DIR:${target}>)
    set(VARNEL_RUNTIME_DLL_PATHS ${dlls} PARENT_SCOPE)
  endif()
endfunction()
