# Cross-building for 64-bit Windows with Debian's MinGW-w64 (POSIX threads, for
# std::thread). STROHVIK_WINDOWS_DEPS names the prefix the static dependencies were built
# into; the programs link everything statically, so a player needs nothing but the .exe.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw}-windres)
# off_t, ftello and fseeko in 64 bits, as on Linux: archives beyond 2 GiB stay readable.
set(CMAKE_C_FLAGS_INIT "-D_FILE_OFFSET_BITS=64")
set(CMAKE_CXX_FLAGS_INIT "-D_FILE_OFFSET_BITS=64")

set(STROHVIK_WINDOWS_DEPS "" CACHE PATH "Prefix of the dependencies built for Windows")
set(CMAKE_FIND_ROOT_PATH /usr/${mingw} ${STROHVIK_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Static archives only: Debian's zlib for MinGW also ships an import library.
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)
set(ZLIB_USE_STATIC_LIBS ON)
# pkg-config looks at the dependencies' .pc files alone, never at the build machine's.
set(ENV{PKG_CONFIG_LIBDIR} "${STROHVIK_WINDOWS_DEPS}/lib/pkgconfig")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")

# Not a DLL of the compiler's (libstdc++, libgcc, winpthread, libgomp) is needed beside the program.
# Stripped: the symbols would double the size a player downloads.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -s")
# Programs built here run under Wine: test discovery and ctest start them through it.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES STROHVIK_WINDOWS_DEPS)
# OpenMP from the compiler's static archive: CMake's own search takes the import
# library of libgomp-1.dll, which a player would then need beside the program.
set(OpenMP_CXX_FLAGS -fopenmp)
set(OpenMP_CXX_LIB_NAMES gomp)
set(OpenMP_gomp_LIBRARY gomp)
