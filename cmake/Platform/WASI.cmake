# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# CMake 3.25 knows no WASI system: programs are WebAssembly modules.
set(WASI 1)
set(CMAKE_EXECUTABLE_SUFFIX .wasm)
