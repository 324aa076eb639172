# Cross-compiles the core, xtr450ctl.exe and the core test programs for
# 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix, the
# variant with std::thread). The runtime libraries are linked statically, so
# the executables run without any DLL beside them.
#
#   cmake -S . -B build-win -G Ninja \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
#
# Test programs run through Wine when it is installed (CTest uses the
# emulator below).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${_mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libgcc, libstdc++ and winpthread go into every executable.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

find_program(XTR_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(XTR_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${XTR_WINE})
endif()
