#include "gui/FrmTable.h"
#include "gui/RecordsFolder.h"

#include <QApplication>

#include <chrono>

int main(int argc, char* argv[]) {
    QApplication App(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnwick"));
    const QString Folder = QCoreApplication::applicationDirPath();
    // The one generator of the run, seeded once from the clock.
    const auto Seed = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    tarnwick::FrmTable Table(Folder, tarnwick::RecordsFolder(Folder), Seed);
    Table.Start();
    return QApplication::exec();
}
