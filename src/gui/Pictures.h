// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The card pictures, the small trick-pile back and the message pictures, read from beside the
// executable. Each is drawn at its designed size (name.png) and at two and three times it
// (name@2x.png, name@3x.png); wherever a picture is shown it comes from the smallest of these that
// has at least as many pixels as the screen gives it, scaled down once to fit them exactly.

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <array>
#include <vector>

namespace tarnwick {

inline constexpr int FinestPictureSet = 3;

// Which set, 1 to 3, a picture of the Designed size needs to fill Device screen pixels sharply.
int PictureSetFor(QSize Designed, QSize Device);

// BaseName shown at Logical size on a screen of the given pixel ratio: a picture of exactly the
// pixels it covers there, or a null picture when there is no such file.
QPixmap LoadPicture(const QString& Folder, const QString& BaseName, QSize Logical, qreal DevicePixelRatio);

class Pictures {
public:
    explicit Pictures(QString Folder);

    // 1..52 the faces, 53 the back (as the game numbers them), then the trick pile's back.
    static constexpr int PileBack = 54;

    // The picture at exactly Logical size. Made when first asked for at a size and kept until
    // asked for at another, so painting never scales a picture. The sets read stay at hand, so a
    // resize of the window reads no file it has read before.
    const QImage& At(int Picture, QSize Logical, qreal DevicePixelRatio);

private:
    struct Slot {
        std::array<QImage, FinestPictureSet + 1> Sets;
        std::vector<uchar> Memory;
        QImage Drawn;
    };
    QString Folder;
    std::array<Slot, PileBack + 1> Slots;
};

} // namespace tarnwick
