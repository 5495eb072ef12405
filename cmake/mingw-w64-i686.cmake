# Cross build for 32-bit Windows with Debian's mingw-w64; tests run under
# Wine's 32-bit support (wine32, in a 64-bit prefix).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

# The -posix compilers: GoogleTest needs std::mutex.
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# SSE2 arithmetic, not the x87 unit: x87 keeps doubles in 80 bits, and the
# core's results must be the same bits as in the 64-bit and native builds.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")

# The runtime as DLLs (libgcc_s_dw2-1, libstdc++-6, libwinpthread-1), shipped
# beside varnel.dll: exceptions then cross the DLL boundary, which a static
# runtime on each side cannot do with DWARF unwinding.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-shared-libgcc")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-shared-libgcc")

set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine)
