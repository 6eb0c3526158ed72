// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/FrmTable.h"
#include "gui/RecordsFolder.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>

#include <chrono>

// The installed data folder, relative to the installed executable's folder.
#ifndef TARNWICK_DATA_FROM_BIN
#define TARNWICK_DATA_FROM_BIN "../share/tarnwick"
#endif

namespace {

// The program's icon in every size we draw it at, from the pictures folder.
QIcon ProgramIcon(const QString& AssetFolder) {
    QIcon Icon;
    const QDir Dir(AssetFolder);
    for (const int Size : {16, 32, 48, 64, 128, 256}) {
        const QString File = Dir.filePath(QStringLiteral("icon-%1.png").arg(Size));
        if (QFileInfo::exists(File)) Icon.addFile(File, QSize(Size, Size));
    }
    return Icon.isNull() ? QIcon::fromTheme(QStringLiteral("tarnwick")) : Icon;
}

} // namespace

int main(int argc, char* argv[]) {
    // The game takes nothing from its command line, and neither does Qt on its behalf: a window
    // title, a style or a platform given there is not honoured. The platform still follows the
    // environment, as for every Qt program.
    char ProgramName[] = "tarnwick";
    int QtArgc = 1;
    char* QtArgv[] = {argc > 0 && argv[0] ? argv[0] : ProgramName, nullptr};
    QApplication App(QtArgc, QtArgv);
    QApplication::setApplicationName(QStringLiteral("Tarnwick"));
    QGuiApplication::setDesktopFileName(QStringLiteral("tarnwick"));
    const QString ExecutableFolder = QCoreApplication::applicationDirPath();
    const QString Assets = tarnwick::AssetFolder(ExecutableFolder, QStringLiteral(TARNWICK_DATA_FROM_BIN));
    QApplication::setWindowIcon(ProgramIcon(Assets));
    // The one generator of the run, seeded once from the clock.
    const auto Seed = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    const bool Installed = tarnwick::RunsInstalled(ExecutableFolder);
    tarnwick::FrmTable Table(Assets, tarnwick::RecordsFolder(ExecutableFolder, Installed), Seed);
    Table.GameAtTable().EarlierRecordsFolder = tarnwick::EarlierRecordsFolder(ExecutableFolder, Installed);
    Table.Start();
    return QApplication::exec();
}
