# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# The web preset links with LTO, so its libraries hold clang-19's bitcode,
# which the only llvm-ar Debian's clang-19 brings along (LLVM 14's) cannot
# read: GNU ar and ranlib index it through LLVM 19's plugin instead.
find_file(MOVLA_LLVM_PLUGIN LLVMgold.so PATHS /usr/lib/llvm-19/lib NO_DEFAULT_PATH REQUIRED)
find_program(MOVLA_GNU_AR ar REQUIRED)
find_program(MOVLA_GNU_RANLIB ranlib REQUIRED)
set(CMAKE_CXX_ARCHIVE_CREATE_IPO
  "${MOVLA_GNU_AR} --plugin ${MOVLA_LLVM_PLUGIN} cr <TARGET> <LINK_FLAGS> <OBJECTS>")
set(CMAKE_CXX_ARCHIVE_APPEND_IPO
  "${MOVLA_GNU_AR} --plugin ${MOVLA_LLVM_PLUGIN} r <TARGET> <LINK_FLAGS> <OBJECTS>")
set(CMAKE_CXX_ARCHIVE_FINISH_IPO "${MOVLA_GNU_RANLIB} --plugin ${MOVLA_LLVM_PLUGIN} <TARGET>")
# Whole-program LTO rather than CMake's ThinLTO: the module is small, and the
# pass runs a fifth faster for it.
set(CMAKE_CXX_COMPILE_OPTIONS_IPO -flto)
