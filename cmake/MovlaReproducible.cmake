# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Release builds of the same sources in two folders give the same bytes, as
# Debian's reproducible-builds checks expect: the objects and their debug
# information name files relative to the source and build folders (the
# build folder's rule comes last, so it wins for a build folder inside the
# source folder). Other builds keep absolute names, for the debugger. The
# archives take their times from MOVLA_SOURCE_DATE_EPOCH (see
# packaging/debian/cpack-project.cmake).
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(
    "$<$<CONFIG:Release>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>"
    "$<$<CONFIG:Release>:-ffile-prefix-map=${PROJECT_BINARY_DIR}=.>")
endif()
