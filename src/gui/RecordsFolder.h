// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <filesystem>

namespace tarnwick {

// Where the pictures and sounds are: beside the executable when they lie there (a build tree or
// an unpacked folder), else in the installed data folder, DataFolderFromExecutable relative to
// the executable's folder (bin/../share/tarnwick), else in the first "tarnwick" folder among the
// system's data folders. The executable's folder when none has them.
QString AssetFolder(const QString& ExecutableFolder, const QString& DataFolderFromExecutable);

// True when the game runs from an installation: its pictures and sounds are not beside it.
bool RunsInstalled(const QString& ExecutableFolder);

enum class RecordsPlace { BesideExecutable, PlayerData };

// Money.dat and Name.dat stay beside the executable only when it runs from a folder of its own
// that can be written; an installed game never writes beside its executable, even as root.
RecordsPlace ChooseRecordsPlace(bool ExecutableFolderWritable, bool Installed);

// Where Money.dat and Name.dat live, by ChooseRecordsPlace: beside the executable, or in the
// player's own data folder, made when missing.
std::filesystem::path RecordsFolder(const QString& ExecutableFolder, bool Installed = false);

// A game in a folder of its own that it cannot write to keeps its records in the player's data
// folder, but the records already lying beside it are the player's too: they are read until the
// player's folder has its own. An installed game has none beside it.
bool ReadsRecordsBesideExecutable(bool ExecutableFolderWritable, bool Installed);

// The folder to read such earlier records from, or an empty path when there is none.
std::filesystem::path EarlierRecordsFolder(const QString& ExecutableFolder, bool Installed = false);

} // namespace tarnwick
