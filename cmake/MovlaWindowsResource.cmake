# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# movla_windows_resource(OUTPUT): configures the Windows resource script
# (version information and icon of movla.exe) into OUTPUT, from the version
# cmake/MovlaVersion.cmake derives. The Linux build configures the script
# too, so that its tests can compile it.
function(movla_windows_resource output)
  set(MOVLA_ICO_FILE ${PROJECT_SOURCE_DIR}/packaging/windows/movla.ico)
  configure_file(${PROJECT_SOURCE_DIR}/app/win32/movla.rc.in ${output} @ONLY)
endfunction()
