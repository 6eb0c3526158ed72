#pragma once

#include <QString>

#include <filesystem>

namespace tarnwick {

// Where Money.dat and Name.dat live: beside the executable, or in the player's own data folder
// when the executable's folder cannot be written.
std::filesystem::path RecordsFolder(const QString& ExecutableFolder);

} // namespace tarnwick
