# SPDX-License-Identifier: GPL-3.0-or-later
# Packages: cpack --config <build>/CPackConfig.cmake -G DEB, or the "package" target. The package
# takes its version from project(), the one place it is written.
set(CPACK_PACKAGE_NAME tarnwick)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tarnwick developers")
set(CPACK_PACKAGE_CONTACT "The Tarnwick developers <tarnwick@example.org>" CACHE STRING
  "Who answers for the packages, as Name <address>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Spades card game for one player against the computer")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Spades at a card table for one: you sit south and play against three computer"
  "players, each for himself. Bid with nil, spades always trump, mind your bags,"
  "and win the fun money from the others.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The card table's lettering is Times New Roman, which only Liberation Serif matches in width;
# any other serif clips the score panel's captions, so the fonts are a dependency, not a wish.
set(TARNWICK_PACKAGE_NEEDS "qt6-qpa-plugins, fonts-liberation2")
# The bell after every bid is the desktop's, played by libcanberra; on a PulseAudio or PipeWire
# desktop it needs canberra's backend for that server, which brings the server if there is none.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libcanberra-pulse")
# The libraries come from dpkg-shlibdeps where dpkg-dev is installed, else from this list of
# Debian 12's names. The window itself needs Qt's platform plugins, which no library links.
find_program(TARNWICK_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(TARNWICK_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${TARNWICK_PACKAGE_NEEDS}")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6 (>= 2.34), libstdc++6 (>= 12), libgcc-s1 (>= 3.0), libqt6core6 (>= 6.4.2), libqt6gui6 (>= 6.4.2), libqt6widgets6 (>= 6.4.2), libsdl2-mixer-2.0-0 (>= 2.6.2), libsdl2-2.0-0 (>= 2.26), libcanberra0 (>= 0.30), ${TARNWICK_PACKAGE_NEEDS}")
endif()
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/")
include(CPack)

# The version, the history, the metainfo and the about box agree; an install lays the game out so
# that the program finds its pictures from its own folder.
if(BUILD_TESTING AND TARNWICK_GUI)
  add_test(NAME PackageVersions
           COMMAND ${CMAKE_COMMAND} -DVersion=${PROJECT_VERSION} -DSource=${PROJECT_SOURCE_DIR}
                   -P ${PROJECT_SOURCE_DIR}/tests/package/Versions.cmake)
  add_test(NAME InstalledLayout
           COMMAND ${CMAKE_COMMAND} -DBuild=${PROJECT_BINARY_DIR} -DWork=${PROJECT_BINARY_DIR}/installed-layout
                   -DGamesDir=${TARNWICK_INSTALL_GAMESDIR} -DDataFromBin=${TARNWICK_DATA_FROM_BIN}
                   -P ${PROJECT_SOURCE_DIR}/tests/package/InstalledLayout.cmake)
endif()
