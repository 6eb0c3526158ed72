# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and checks the layout a package would get: the program
# alone in the games folder, its pictures and sounds where its compiled-in path from its own folder
# leads, the manual page, licence, history and desktop files in place, no test or timing program;
# then uninstalls and checks that nothing of the game is left.
#   cmake -DBuild=<build> -DWork=<scratch> -DGamesDir=<games dir> -DDataFromBin=<path> -P InstalledLayout.cmake
cmake_minimum_required(VERSION 3.25)

set(Prefix "${Work}/usr")
set(Manifest "${Build}/install_manifest.txt")
file(REMOVE_RECURSE "${Work}")
file(MAKE_DIRECTORY "${Work}")
# An install rewrites the build's manifest, which a real install's uninstall reads: keep it.
if(EXISTS "${Manifest}")
  file(COPY_FILE "${Manifest}" "${Work}/kept_manifest.txt")
endif()

execute_process(COMMAND "${CMAKE_COMMAND}" --install "${Build}" --prefix "${Prefix}"
                RESULT_VARIABLE Status OUTPUT_QUIET)
file(RENAME "${Manifest}" "${Work}/install_manifest.txt")
if(EXISTS "${Work}/kept_manifest.txt")
  file(RENAME "${Work}/kept_manifest.txt" "${Manifest}")
endif()
if(NOT Status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${Status}")
endif()

set(Problems)
cmake_path(ABSOLUTE_PATH GamesDir BASE_DIRECTORY "${Prefix}" OUTPUT_VARIABLE Games)
cmake_path(ABSOLUTE_PATH DataFromBin BASE_DIRECTORY "${Games}" NORMALIZE OUTPUT_VARIABLE Data)
file(GLOB Programs RELATIVE "${Games}" "${Games}/*")
if(NOT Programs STREQUAL "tarnwick")
  list(APPEND Problems "${Games} holds \"${Programs}\", not the program alone")
endif()
execute_process(COMMAND test -x "${Games}/tarnwick" RESULT_VARIABLE NotExecutable)
if(NotExecutable)
  list(APPEND Problems "${Games}/tarnwick is not an executable")
endif()
if(NOT Data MATCHES "^${Prefix}/")
  list(APPEND Problems "the program would look for its pictures outside the prefix, in ${Data}")
endif()

foreach(Wanted
    "${Data}/card01.png" "${Data}/card52@2x.png" "${Data}/back.png" "${Data}/pileback.png"
    "${Data}/Riffle.wav" "${Data}/CardDeal1.wav" "${Data}/ringout.wav"
    "${Prefix}/share/man/man6/tarnwick.6.gz"
    "${Prefix}/share/doc/tarnwick/copyright" "${Prefix}/share/doc/tarnwick/changelog.gz"
    "${Prefix}/share/applications/tarnwick.desktop"
    "${Prefix}/share/metainfo/org.tarnwick.Tarnwick.metainfo.xml"
    "${Prefix}/share/icons/hicolor/scalable/apps/tarnwick.svg"
    "${Prefix}/share/icons/hicolor/48x48/apps/tarnwick.png")
  if(NOT EXISTS "${Wanted}")
    list(APPEND Problems "missing ${Wanted}")
  endif()
endforeach()

file(GLOB_RECURSE Everything RELATIVE "${Prefix}" "${Prefix}/*")
foreach(File IN LISTS Everything)
  if(File MATCHES "_tests$|_timing$|_bench$|tarnwick-sim|\\.dat$")
    list(APPEND Problems "installed ${File}, which belongs to the build tree")
  endif()
endforeach()

execute_process(COMMAND "${CMAKE_COMMAND}" -DManifest=${Work}/install_manifest.txt
                        -P "${CMAKE_CURRENT_LIST_DIR}/../../cmake/Uninstall.cmake"
                RESULT_VARIABLE Status OUTPUT_QUIET)
file(GLOB_RECURSE Left RELATIVE "${Prefix}" "${Prefix}/*")
if(NOT Status EQUAL 0 OR Left)
  list(APPEND Problems "uninstalling left ${Left} (status ${Status})")
endif()
if(IS_DIRECTORY "${Data}" OR IS_DIRECTORY "${Prefix}/share/doc/tarnwick")
  list(APPEND Problems "uninstalling left the game's own folders")
endif()

if(Problems)
  list(JOIN Problems "\n  " Report)
  message(FATAL_ERROR "Installed layout under ${Prefix}:\n  ${Report}")
endif()
file(REMOVE_RECURSE "${Work}")
message(STATUS "${Games}/tarnwick finds ${DataFromBin}; uninstalled cleanly")
