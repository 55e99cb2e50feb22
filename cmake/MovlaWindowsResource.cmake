# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# movla_windows_resource(OUTPUT): configures the Windows resource script
# (version information and icon of movla.exe) from MOVLA_VERSION into OUTPUT,
# and leaves the version's numbers in movla_version_major, _minor and
# _revision for the packages. The Linux build configures the script too, so
# that its tests can compile it.
macro(movla_windows_resource output)
  string(REPLACE "." ";" movla_version_parts "${MOVLA_VERSION}")
  list(GET movla_version_parts 0 movla_version_major)
  list(GET movla_version_parts 1 movla_version_minor)
  list(GET movla_version_parts 2 movla_version_revision)
  # "1.00.0009" is major.minor.revision with zero padding; the binary
  # FILEVERSION has four numbers and takes none of the padding.
  math(EXPR movla_version_major "${movla_version_major}")
  math(EXPR movla_version_minor "${movla_version_minor}")
  math(EXPR movla_version_revision "${movla_version_revision}")
  set(MOVLA_VERSION_RC "${movla_version_major},${movla_version_minor},0,${movla_version_revision}")
  set(MOVLA_ICO_FILE ${PROJECT_SOURCE_DIR}/packaging/windows/movla.ico)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/movla.rc.in ${output} @ONLY)
endmacro()
