# Settings every Varnel target shares: warnings as errors, the export macro,
# the include root, and the sanitizers when asked for.

function(varnel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()

function(varnel_sanitize target)
  if(VARNEL_SANITIZE)
    target_compile_options(${target} PRIVATE
      -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# Headers are included from the root ("afx/wnd/AfxWin.h"): the source tree in
# the build, the installed include folder for a host of the package.
function(varnel_include_root target)
  target_include_directories(${target} PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}> $<INSTALL_INTERFACE:include/varnel>)
endfunction()

# A library module of Varnel: code inside it is built with the export side
# of VARNEL_API; everyone who links it gets the import side.
function(varnel_module target)
  varnel_warnings(${target})
  varnel_sanitize(${target})
  varnel_include_root(${target})
  target_compile_definitions(${target} PRIVATE VARNEL_BUILDING)
  if(WIN32)
    # One C runtime behaviour in both builds: printf and scanf of the
    # mingw-w64 runtime rather than msvcrt.dll's, whose rounding of exact
    # decimal ties differs.
    target_compile_definitions(${target} PUBLIC __USE_MINGW_ANSI_STDIO=1
      WIN32_LEAN_AND_MEAN NOMINMAX)
  endif()
endfunction()
