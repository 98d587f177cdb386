# SPDX-FileCopyrightText: 2026 Kazoola Team
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package (`make deb`): CPack's DEB generator over the system layout, installed
# under /usr. Depends come from the binaries (dpkg-shlibdeps), so they follow whatever Qt the
# build machine links against.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# dpkg-shlibdeps scans the audio module too, so Qt Multimedia is among the Depends without
# being named here (naming it as well listed it twice).
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kazoola Team <kazoola@users.noreply.github.com>")
# Times New Roman is asked for; Liberation Serif has its metrics. Qt's own translations give
# its dialogs (Yes, No, the file dialog) the pupils' language; without them they stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-translations-l10n")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word-puzzle game with a spinning wheel, and its set editor")
# CPack puts the summary on the Description line and indents each line of this below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Kazoola (KAZ) is a word-puzzle game for one player: spin the five-lamp wheel
for the points each letter is worth, guess one letter per spin and solve the
puzzle for a place among the ten best scores.
.
KAZ Puzzle Set Creator (KazCreate) writes game sets of up to 101 clues.
A library of 27 sets for ages 8 to 14 comes with the game: animals, space,
countries and capitals, the human body, opposites, spelling and more.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The changelog, compressed as Debian wants it (no name, no time), by the build rather than at
# configure time.
set(KAZ_DEB_CHANGELOG ${CMAKE_BINARY_DIR}/packaging/debian/changelog.gz)
add_custom_command(OUTPUT ${KAZ_DEB_CHANGELOG}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging/debian
  COMMAND sh -c "gzip -9nc \"$1\" > \"$2\"" sh ${PROJECT_SOURCE_DIR}/packaging/debian/changelog ${KAZ_DEB_CHANGELOG}
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/debian/changelog VERBATIM)
add_custom_target(kaz_deb_changelog ALL DEPENDS ${KAZ_DEB_CHANGELOG})
install(FILES packaging/debian/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kazoola)
# The changelog and the lintian override belong to the package alone: CPack runs this script
# into its staging tree, and a plain `cmake --install` never does.
configure_file(packaging/debian/DebOnly.cmake.in ${CMAKE_BINARY_DIR}/packaging/debian/DebOnly.cmake @ONLY)
set(CPACK_INSTALL_SCRIPTS ${CMAKE_BINARY_DIR}/packaging/debian/DebOnly.cmake)
