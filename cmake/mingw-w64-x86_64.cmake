# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Cross-compiles Movla for 64-bit Windows with Debian's MinGW-w64 (the posix
# thread model, whose libstdc++ has std::thread and friends). Every program
# is linked statically, so that movla.exe needs no DLL beyond Windows' own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(movla_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${movla_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${movla_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${movla_mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${movla_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The W functions throughout. The Windows programs of our own take their
# wide entry points (-municode) target by target: GoogleTest's main is narrow.
set(CMAKE_CXX_FLAGS_INIT "-DUNICODE -D_UNICODE")
set(CMAKE_C_FLAGS_INIT "-DUNICODE -D_UNICODE")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
