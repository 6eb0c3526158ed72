#pragma once
// The card pictures and the small trick-pile back, read from beside the executable at the
// resolution of the screen: the double-size pictures on high-density screens.

#include <QPixmap>
#include <QString>

#include <array>

namespace tarnwick {

// Reads BaseName.png from Folder, or BaseName@2x.png where the screen is dense enough for it.
QPixmap LoadPicture(const QString& Folder, const QString& BaseName, qreal DevicePixelRatio);

class Pictures {
public:
    Pictures(QString Folder, qreal DevicePixelRatio);

    // 1..52 the faces, 53 the back.
    const QPixmap& Card(int Picture);
    const QPixmap& PileBack();

private:
    QString Folder;
    qreal Ratio;
    std::array<QPixmap, 54> Cards;
    QPixmap Pile;
};

} // namespace tarnwick
