#include "gui/Pictures.h"

#include "state/Card.h"

#include <QDir>

#include <algorithm>
#include <cmath>

namespace tarnwick {

namespace {

QString FileName(const QString& BaseName, int Set) {
    return BaseName + (Set == 1 ? QString() : QStringLiteral("@%1x").arg(Set)) + QStringLiteral(".png");
}

// The set asked for, or the finest one below it that is there.
QPixmap ReadSet(const QDir& Dir, const QString& BaseName, int& Set) {
    for (; Set >= 1; --Set) {
        QPixmap Read(Dir.filePath(FileName(BaseName, Set)));
        if (!Read.isNull()) return Read;
    }
    Set = 0;
    return {};
}

QSize DeviceSize(QSize Logical, qreal DevicePixelRatio) {
    return {static_cast<int>(std::lround(Logical.width() * DevicePixelRatio)),
            static_cast<int>(std::lround(Logical.height() * DevicePixelRatio))};
}

QPixmap Fitted(const QPixmap& Source, QSize Device, qreal DevicePixelRatio) {
    QPixmap Drawn = Source.size() == Device
                        ? Source
                        : Source.scaled(Device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    Drawn.setDevicePixelRatio(DevicePixelRatio);
    return Drawn;
}

QString BaseNameOf(int Picture) {
    if (Picture == Pictures::PileBack) return QStringLiteral("pileback");
    if (Picture == BackPicture) return QStringLiteral("back");
    return QStringLiteral("card%1").arg(Picture, 2, 10, QLatin1Char('0'));
}

} // namespace

int PictureSetFor(QSize Designed, QSize Device) {
    for (int Set = 1; Set < FinestPictureSet; ++Set)
        if (Designed.width() * Set >= Device.width() && Designed.height() * Set >= Device.height())
            return Set;
    return FinestPictureSet;
}

QPixmap LoadPicture(const QString& Folder, const QString& BaseName, QSize Logical, qreal DevicePixelRatio) {
    const QDir Dir(Folder);
    const QPixmap Designed(Dir.filePath(FileName(BaseName, 1)));
    if (Designed.isNull()) return {};
    const QSize Device = DeviceSize(Logical, DevicePixelRatio);
    int Set = PictureSetFor(Designed.size(), Device);
    const QPixmap Source = Set == 1 ? Designed : ReadSet(Dir, BaseName, Set);
    return Fitted(Source, Device, DevicePixelRatio);
}

Pictures::Pictures(QString Folder) : Folder(std::move(Folder)) {}

const QPixmap& Pictures::At(int Picture, QSize Logical, qreal DevicePixelRatio) {
    Slot& S = Slots.at(static_cast<size_t>(Picture));
    const QSize Device = DeviceSize(Logical, DevicePixelRatio);
    if (!S.Drawn.isNull() && S.Drawn.size() == Device && S.Drawn.devicePixelRatio() == DevicePixelRatio)
        return S.Drawn;
    const QDir Dir(Folder);
    if (S.Source.isNull()) {
        S.Set = 1;
        S.Source = ReadSet(Dir, BaseNameOf(Picture), S.Set);
        if (S.Source.isNull()) return S.Drawn;
    }
    const QSize Designed = S.Source.size() / S.Set;
    int Wanted = PictureSetFor(Designed, Device);
    if (Wanted != S.Set) {
        QPixmap Finer = ReadSet(Dir, BaseNameOf(Picture), Wanted);
        if (!Finer.isNull()) {
            S.Source = Finer;
            S.Set = Wanted;
        }
    }
    S.Drawn = Fitted(S.Source, Device, DevicePixelRatio);
    return S.Drawn;
}

} // namespace tarnwick
