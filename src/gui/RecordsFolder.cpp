#include "gui/RecordsFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tarnwick {

std::filesystem::path RecordsFolder(const QString& ExecutableFolder) {
    if (QFileInfo(ExecutableFolder).isWritable()) return ExecutableFolder.toStdString();
    const QString Own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(Own);
    return Own.toStdString();
}

} // namespace tarnwick
