# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Everything derived from the version and release date set in the top-level
# CMakeLists.txt (project(VERSION) and MOVLA_RELEASE_DATE):
#   MOVLA_VERSION           the version as users see it, "1.00.0009"
#   MOVLA_VERSION_RC        the Windows resource's FILEVERSION, "1,0,0,9"
#   MOVLA_CHANGELOG_DATE    the release date as Debian's changelog writes it
#   MOVLA_SOURCE_DATE_EPOCH the release date in seconds, for reproducible
#                           archives; a SOURCE_DATE_EPOCH in the environment
#                           (as Debian's builds set) wins.

function(movla_zero_pad value width out)
  string(LENGTH "${value}" length)
  math(EXPR zeros "${width} - ${length}")
  string(REPEAT "0" ${zeros} padding)
  set(${out} "${padding}${value}" PARENT_SCOPE)
endfunction()

movla_zero_pad(${PROJECT_VERSION_MINOR} 2 movla_minor)
movla_zero_pad(${PROJECT_VERSION_PATCH} 4 movla_patch)
set(MOVLA_VERSION "${PROJECT_VERSION_MAJOR}.${movla_minor}.${movla_patch}")
set(MOVLA_VERSION_RC "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},0,${PROJECT_VERSION_PATCH}")

if(NOT MOVLA_RELEASE_DATE MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
  message(FATAL_ERROR "MOVLA_RELEASE_DATE is '${MOVLA_RELEASE_DATE}', not YYYY-MM-DD")
endif()
# Days since 1970-01-01 of a proleptic Gregorian date (the civil-from-days
# algorithm run backwards), so that no date tool is needed.
math(EXPR movla_y "${CMAKE_MATCH_1}")
math(EXPR movla_m "${CMAKE_MATCH_2}")
math(EXPR movla_d "${CMAKE_MATCH_3}")
if(movla_m LESS_EQUAL 2)
  math(EXPR movla_y "${movla_y} - 1")
endif()
math(EXPR movla_days "${movla_y} * 365 + ${movla_y} / 4 - ${movla_y} / 100 + ${movla_y} / 400
  + (153 * ((${movla_m} + 9) % 12) + 2) / 5 + ${movla_d} - 1 - 719468")
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(MOVLA_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
  math(EXPR MOVLA_SOURCE_DATE_EPOCH "${movla_days} * 86400")
endif()

# string(TIMESTAMP) reads the time from SOURCE_DATE_EPOCH when it is set.
set(movla_saved_epoch "$ENV{SOURCE_DATE_EPOCH}")
math(EXPR movla_release_epoch "${movla_days} * 86400")
set(ENV{SOURCE_DATE_EPOCH} ${movla_release_epoch})
string(TIMESTAMP MOVLA_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(ENV{SOURCE_DATE_EPOCH} "${movla_saved_epoch}")
if(movla_saved_epoch STREQUAL "")
  unset(ENV{SOURCE_DATE_EPOCH})
endif()
