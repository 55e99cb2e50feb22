# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Run by cpack after it has built the packages. CPack 3.25 writes the debug
# package's md5sums with the absolute paths of its staging folder, and gives
# it no documentation folder; this rebuilds the .ddeb as Debian's own tools
# make one: relative md5sums, and /usr/share/doc/movla-dbgsym linked to the
# main package's folder (the .ddeb depends on that exact version).
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "/([^/_]+)-dbgsym_[^/]*\\.ddeb$")
    continue()
  endif()
  set(main ${CMAKE_MATCH_1})
  set(root ${package}.root)
  file(REMOVE_RECURSE ${root})
  execute_process(COMMAND dpkg-deb --raw-extract ${package} ${root} COMMAND_ERROR_IS_FATAL ANY)
  file(READ ${root}/DEBIAN/md5sums sums)
  string(REGEX REPLACE "  /[^\n]*-dbgsym/" "  " sums "${sums}")
  file(WRITE ${root}/DEBIAN/md5sums "${sums}")
  file(MAKE_DIRECTORY ${root}/usr/share/doc)
  file(CREATE_LINK ${main} ${root}/usr/share/doc/${main}-dbgsym SYMBOLIC)
  execute_process(COMMAND dpkg-deb --root-owner-group --build ${root} ${package}
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE ${root})
endforeach()
