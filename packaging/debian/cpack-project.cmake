# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Read by cpack before it packs. Its archives (and dpkg-deb, which rebuilds
# the debug package) take every file time from SOURCE_DATE_EPOCH; without
# one from the caller, the release date's, so that two builds of a version
# make the same package.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} "${CPACK_MOVLA_SOURCE_DATE_EPOCH}")
endif()
