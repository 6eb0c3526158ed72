// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/RecordsFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tarnwick {

namespace {

// A folder holds the game's files when the first card's picture is there.
bool HoldsAssets(const QString& Folder) {
    return !Folder.isEmpty() && QFileInfo::exists(QDir(Folder).filePath(QStringLiteral("card01.png")));
}

} // namespace

QString AssetFolder(const QString& ExecutableFolder, const QString& DataFolderFromExecutable) {
    if (HoldsAssets(ExecutableFolder)) return ExecutableFolder;
    const QString Installed = QDir::cleanPath(QDir(ExecutableFolder).filePath(DataFolderFromExecutable));
    if (HoldsAssets(Installed)) return Installed;
    const QString System = QStandardPaths::locate(
        QStandardPaths::GenericDataLocation, QStringLiteral("tarnwick"), QStandardPaths::LocateDirectory);
    if (HoldsAssets(System)) return System;
    return ExecutableFolder;
}

bool RunsInstalled(const QString& ExecutableFolder) {
    return !HoldsAssets(ExecutableFolder);
}

RecordsPlace ChooseRecordsPlace(bool ExecutableFolderWritable, bool Installed) {
    return ExecutableFolderWritable && !Installed ? RecordsPlace::BesideExecutable : RecordsPlace::PlayerData;
}

std::filesystem::path RecordsFolder(const QString& ExecutableFolder, bool Installed) {
    if (ChooseRecordsPlace(QFileInfo(ExecutableFolder).isWritable(), Installed) ==
        RecordsPlace::BesideExecutable)
        return ExecutableFolder.toStdString();
    const QString Own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(Own);
    return Own.toStdString();
}

bool ReadsRecordsBesideExecutable(bool ExecutableFolderWritable, bool Installed) {
    return ChooseRecordsPlace(ExecutableFolderWritable, Installed) == RecordsPlace::PlayerData && !Installed;
}

std::filesystem::path EarlierRecordsFolder(const QString& ExecutableFolder, bool Installed) {
    if (!ReadsRecordsBesideExecutable(QFileInfo(ExecutableFolder).isWritable(), Installed)) return {};
    return ExecutableFolder.toStdString();
}

} // namespace tarnwick
