# SPDX-License-Identifier: GPL-3.0-or-later
# Installation: the game, its pictures and sounds, its manual page, its licence and history, and
# what a desktop needs to offer it. The tests, the simulator and the timing programs stay in the
# build tree.
include(GNUInstallDirs)

# Games have a folder of their own on Debian and in the file-system standard.
set(TARNWICK_INSTALL_GAMESDIR games CACHE STRING "Where the program goes, under the prefix unless absolute")

if(NOT TARNWICK_GUI)
  return()
endif()

set(TARNWICK_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/tarnwick)
# Named after the package, as Debian wants it, not after the project.
set(TARNWICK_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/tarnwick)

# The game finds its installed pictures by this path from its own folder, wherever the prefix is.
cmake_path(ABSOLUTE_PATH TARNWICK_INSTALL_GAMESDIR BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX}
           OUTPUT_VARIABLE TARNWICK_FULL_GAMESDIR)
file(RELATIVE_PATH TARNWICK_DATA_FROM_BIN ${TARNWICK_FULL_GAMESDIR} ${CMAKE_INSTALL_FULL_DATADIR}/tarnwick)
target_compile_definitions(tarnwick PRIVATE TARNWICK_DATA_FROM_BIN="${TARNWICK_DATA_FROM_BIN}")

install(TARGETS tarnwick RUNTIME DESTINATION ${TARNWICK_INSTALL_GAMESDIR})
# A stripped install (cpack, cmake --install --strip) also drops the compilers' notes, as Debian's
# own tools strip a program.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    set(TarnwickGames [[${TARNWICK_INSTALL_GAMESDIR}]])
    cmake_path(ABSOLUTE_PATH TarnwickGames BASE_DIRECTORY \"\${CMAKE_INSTALL_PREFIX}\")
    execute_process(COMMAND [[${CMAKE_OBJCOPY}]] --remove-section=.comment
                            \"\$ENV{DESTDIR}\${TarnwickGames}/$<TARGET_FILE_NAME:tarnwick>\"
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()")
file(GLOB TARNWICK_INSTALLED_ASSETS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/assets/*.png ${PROJECT_SOURCE_DIR}/assets/*.wav)
install(FILES ${TARNWICK_INSTALLED_ASSETS} DESTINATION ${TARNWICK_INSTALL_DATADIR})

install(FILES packaging/tarnwick.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/org.tarnwick.Tarnwick.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(Size 16 32 48 64 128 256)
  install(FILES assets/icon-${Size}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${Size}x${Size}/apps
    RENAME tarnwick.png)
endforeach()
install(FILES assets/icon.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME tarnwick.svg)

# The manual page carries the project's version; it and the history go compressed, without a
# time stamp, so two builds of one source give the same files.
find_program(TARNWICK_GZIP gzip REQUIRED)
set(TARNWICK_PACKAGING_DIR ${PROJECT_BINARY_DIR}/packaging)
configure_file(packaging/tarnwick.6.in ${TARNWICK_PACKAGING_DIR}/tarnwick.6 @ONLY)
add_custom_command(OUTPUT ${TARNWICK_PACKAGING_DIR}/tarnwick.6.gz
  COMMAND ${TARNWICK_GZIP} -9nf -k ${TARNWICK_PACKAGING_DIR}/tarnwick.6
  DEPENDS ${TARNWICK_PACKAGING_DIR}/tarnwick.6 VERBATIM)
add_custom_command(OUTPUT ${TARNWICK_PACKAGING_DIR}/changelog.gz
  COMMAND ${TARNWICK_GZIP} -9n -c ${PROJECT_SOURCE_DIR}/packaging/changelog > ${TARNWICK_PACKAGING_DIR}/changelog.gz
  DEPENDS packaging/changelog)
add_custom_target(tarnwick_documents ALL
  DEPENDS ${TARNWICK_PACKAGING_DIR}/tarnwick.6.gz ${TARNWICK_PACKAGING_DIR}/changelog.gz)
install(FILES ${TARNWICK_PACKAGING_DIR}/tarnwick.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES packaging/copyright ${TARNWICK_PACKAGING_DIR}/changelog.gz DESTINATION ${TARNWICK_INSTALL_DOCDIR})

# `cmake --build <build> --target uninstall` takes away what the last install put in place.
add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -DManifest=${PROJECT_BINARY_DIR}/install_manifest.txt
          -P ${PROJECT_SOURCE_DIR}/cmake/Uninstall.cmake
  VERBATIM)
