// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/Pictures.h"

#include "rules/Card.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tarnwick {

namespace {

QString FileName(const QString& BaseName, int Set) {
    return BaseName + (Set == 1 ? QString() : QStringLiteral("@%1x").arg(Set)) + QStringLiteral(".png");
}

// The set asked for, or the finest one below it that is there, ready to be drawn from.
QImage ReadSet(const QDir& Dir, const QString& BaseName, int& Set) {
    for (; Set >= 1; --Set) {
        QImage Read(Dir.filePath(FileName(BaseName, Set)));
        if (Read.isNull()) continue;
        Read.convertTo(QImage::Format_ARGB32_Premultiplied);
        // Shown as drawn on a screen of the set's own pixel ratio, it needs no copy.
        Read.setDevicePixelRatio(Set);
        return Read;
    }
    Set = 0;
    return {};
}

QSize DeviceSize(QSize Logical, qreal DevicePixelRatio) {
    return {static_cast<int>(std::lround(Logical.width() * DevicePixelRatio)),
            static_cast<int>(std::lround(Logical.height() * DevicePixelRatio))};
}

// Draws Source into Into, which has the size wanted. The sets are never more than twice as fine
// as the pixels to fill, so a smooth (bilinear) drawing loses nothing a finer filter would keep,
// at a fraction of its cost.
void DrawFitted(const QImage& Source, QImage& Into) {
    QPainter P(&Into);
    P.setCompositionMode(QPainter::CompositionMode_Source);
    P.setRenderHint(QPainter::SmoothPixmapTransform);
    QImage Plain = Source;
    Plain.setDevicePixelRatio(1);
    P.drawImage(QRect(QPoint(0, 0), Into.size()), Plain);
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
    const QImage Designed(Dir.filePath(FileName(BaseName, 1)));
    if (Designed.isNull()) return {};
    const QSize Device = DeviceSize(Logical, DevicePixelRatio);
    int Set = PictureSetFor(Designed.size(), Device);
    const QImage Source = ReadSet(Dir, BaseName, Set);
    QImage Made(Device, QImage::Format_ARGB32_Premultiplied);
    DrawFitted(Source, Made);
    Made.setDevicePixelRatio(DevicePixelRatio);
    return QPixmap::fromImage(std::move(Made));
}

Pictures::Pictures(QString Folder) : Folder(std::move(Folder)) {}

const QImage& Pictures::At(int Picture, QSize Logical, qreal DevicePixelRatio) {
    Slot& S = Slots.at(static_cast<size_t>(Picture));
    const QSize Device = DeviceSize(Logical, DevicePixelRatio);
    if (!S.Drawn.isNull() && S.Drawn.size() == Device && S.Drawn.devicePixelRatio() == DevicePixelRatio)
        return S.Drawn;
    const QDir Dir(Folder);
    const QString BaseName = BaseNameOf(Picture);
    if (S.Sets[1].isNull()) {
        int Designed = 1;
        S.Sets[1] = ReadSet(Dir, BaseName, Designed);
        if (S.Sets[1].isNull()) return S.Drawn;
    }
    int Set = PictureSetFor(S.Sets[1].size(), Device);
    while (Set > 1 && S.Sets[static_cast<size_t>(Set)].isNull()) {
        int Found = Set;
        QImage Read = ReadSet(Dir, BaseName, Found);
        if (Found == Set) {
            S.Sets[static_cast<size_t>(Set)] = Read;
            break;
        }
        --Set;
    }
    const QImage& Source = S.Sets[static_cast<size_t>(Set)];
    S.Drawn = QImage();
    if (Source.size() == Device) {
        S.Drawn = Source;
        S.Drawn.setDevicePixelRatio(DevicePixelRatio);
        return S.Drawn;
    }
    // Each picture keeps the memory it was last made in and makes the next size there: a resize
    // then costs the drawing alone, not fresh memory from the system.
    const size_t Bytes = static_cast<size_t>(Device.width()) * 4 * static_cast<size_t>(Device.height());
    if (S.Memory.size() < Bytes) S.Memory.resize(Bytes);
    S.Drawn = QImage(S.Memory.data(), Device.width(), Device.height(), Device.width() * 4,
                     QImage::Format_ARGB32_Premultiplied);
    DrawFitted(Source, S.Drawn);
    S.Drawn.setDevicePixelRatio(DevicePixelRatio);
    return S.Drawn;
}

} // namespace tarnwick
