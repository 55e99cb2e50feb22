# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# WebAssembly for a web page, with Debian's clang-19, lld-19 and the WASI
# sysroot of wasi-libc, libc++-19-dev-wasm32, libc++abi-19-dev-wasm32 and
# libclang-rt-19-dev-wasm32. WASI's libc++abi cannot throw, so nothing is
# built with exceptions; nor with RTTI, which nothing uses.
set(CMAKE_SYSTEM_NAME WASI)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})

set(CMAKE_CXX_COMPILER clang++-19)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
set(CMAKE_CXX_FLAGS_INIT "-fno-exceptions -fno-rtti")
# The compiler's check links no program: a library needs no entry point.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
