# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Hardening for the binaries users install: Release builds with GCC or Clang
# producing ELF get a position-independent executable, full RELRO with
# immediate binding, the stack protector and _FORTIFY_SOURCE=2. Debug and
# sanitizer builds keep their own flags (FORTIFY and ASan do not mix well).

include(CheckPIESupported)
check_pie_supported(OUTPUT_VARIABLE movla_pie_output LANGUAGES CXX)
# Windows executables are relocatable anyway; PIE is an ELF matter.
if(NOT CMAKE_CXX_LINK_PIE_SUPPORTED AND NOT WIN32)
  message(WARNING "The linker cannot make position-independent executables: ${movla_pie_output}")
endif()
# Applies to every configuration: it costs nothing on x86-64, and Debian's
# compilers make PIE by default anyway.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" AND CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF")
  set(movla_release "$<CONFIG:Release>")
  add_compile_options(
    "$<${movla_release}:-fstack-protector-strong>"
    # -U first, so a compiler that predefines another level does not warn.
    "$<${movla_release}:-U_FORTIFY_SOURCE>"
    "$<${movla_release}:-D_FORTIFY_SOURCE=2>"
    # Keeps the options in the binary (.GCC.command.line), so the test can
    # tell that each object was compiled hardened, not just that some
    # protected function happened to be linked in.
    "$<${movla_release}:-frecord-gcc-switches>")
  add_link_options("$<${movla_release}:LINKER:-z,relro,-z,now>")
endif()
