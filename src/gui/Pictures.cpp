#include "gui/Pictures.h"

#include "state/Card.h"

#include <QDir>
#include <QPainter>

namespace tarnwick {

Pictures::Pictures(QString Folder, qreal DevicePixelRatio)
    : Folder(std::move(Folder)), Ratio(DevicePixelRatio > 1 ? 2 : 1) {}

QPixmap LoadPicture(const QString& Folder, const QString& BaseName, qreal DevicePixelRatio) {
    const QDir Dir(Folder);
    if (DevicePixelRatio > 1) {
        QPixmap Sharp(Dir.filePath(BaseName + QStringLiteral("@2x.png")));
        if (!Sharp.isNull()) {
            Sharp.setDevicePixelRatio(2);
            return Sharp;
        }
    }
    return QPixmap(Dir.filePath(BaseName + QStringLiteral(".png")));
}

const QPixmap& Pictures::Card(int Picture) {
    QPixmap& Slot = Cards.at(static_cast<size_t>(Picture));
    if (Slot.isNull())
        Slot = LoadPicture(Folder,
                           Picture == BackPicture
                               ? QStringLiteral("back")
                               : QStringLiteral("card%1").arg(Picture, 2, 10, QLatin1Char('0')),
                           Ratio);
    return Slot;
}

const QPixmap& Pictures::PileBack() {
    if (Pile.isNull()) Pile = LoadPicture(Folder, QStringLiteral("pileback"), Ratio);
    return Pile;
}

} // namespace tarnwick
