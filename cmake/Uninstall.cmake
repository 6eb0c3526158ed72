# SPDX-License-Identifier: GPL-3.0-or-later
# Removes every file the last `cmake --install` listed in its manifest, then the game's own folders
# once they are empty. Run by the "uninstall" target with -DManifest=<build>/install_manifest.txt.
if(NOT EXISTS "${Manifest}")
  message(FATAL_ERROR "Nothing to uninstall: ${Manifest} is missing (install from this build first).")
endif()

file(STRINGS "${Manifest}" Installed)
set(Folders)
foreach(File IN LISTS Installed)
  if(EXISTS "${File}" OR IS_SYMLINK "${File}")
    message(STATUS "Removing ${File}")
    file(REMOVE "${File}")
  endif()
  cmake_path(GET File PARENT_PATH Folder)
  cmake_path(GET Folder FILENAME FolderName)
  if(FolderName STREQUAL "tarnwick")
    list(APPEND Folders "${Folder}")
  endif()
endforeach()

# Only folders named after the game: the shared ones (bin, games, icons, man) belong to others.
list(REMOVE_DUPLICATES Folders)
foreach(Folder IN LISTS Folders)
  file(GLOB Left "${Folder}/*")
  if(NOT Left)
    message(STATUS "Removing ${Folder}")
    file(REMOVE_RECURSE "${Folder}")
  endif()
endforeach()
