// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/FrmSplash.h"

#include "gui/FlatButton.h"
#include "gui/KeepInFront.h"
#include "gui/TableWidgets.h"

#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QSysInfo>

#include <algorithm>
#include <cmath>
#include <utility>

namespace tarnwick {

namespace {

const QColor SplashBlue(0, 0, 128);
const QColor SplashText(192, 255, 255);
const QColor OkGreen(192, 255, 192);

// The box's client area as it was drawn, in twips.
constexpr double SplashWidth = 7380, SplashHeight = 4700;

QRect Twips(double Left, double Top, double Width, double Height) {
    return PxRect({Left, Top, Width, Height});
}

// Point sizes as drawn at 120 dots per inch: 31.8 pt, 15.6 pt and 12 pt.
QFont SplashFont(const char* Family, int PixelSize) {
    QFont F(QString::fromLatin1(Family));
    F.setPixelSize(PixelSize);
    F.setBold(true);
    return F;
}

void SetColours(QWidget* W, QPalette::ColorRole BackRole, const QColor& Back, QPalette::ColorRole ForeRole,
                const QColor& Fore) {
    QPalette Colours = W->palette();
    Colours.setColor(BackRole, Back);
    Colours.setColor(ForeRole, Fore);
    W->setPalette(Colours);
}

// The frame has no caption: an etched line all round, dark with a light line inside it.
class SplashFrame final : public QWidget {
public:
    explicit SplashFrame(QWidget* Parent) : QWidget(Parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter P(this);
        P.fillRect(rect(), SplashBlue);
        const QRect Border = rect().adjusted(0, 0, -2, -2);
        P.setPen(QColor(0, 0, 0, 160));
        P.drawRect(Border);
        P.setPen(QColor(255, 255, 255, 90));
        P.drawRect(Border.translated(1, 1));
    }
};

// The 32-pixel logo from the smallest icon with as many pixels as the screen gives it.
QPixmap Logo(const QString& AssetFolder, qreal Ratio) {
    constexpr int Side = 32;
    const int Device = static_cast<int>(std::lround(Side * Ratio));
    const QDir Dir(AssetFolder);
    QPixmap Read;
    for (const int Size : {32, 64, 128}) {
        const QPixmap Icon(Dir.filePath(QStringLiteral("icon-%1.png").arg(Size)));
        if (Icon.isNull()) continue;
        Read = Icon;
        if (Size >= Device) break;
    }
    if (Read.isNull()) return Read;
    if (Read.width() != Device)
        Read = Read.scaled(Device, Device, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    Read.setDevicePixelRatio(Ratio);
    return Read;
}

QLabel* NewLabel(QWidget* Parent, const char* Name, const QString& Text, const QFont& Font,
                 const QRect& Place) {
    auto* Label = new QLabel(Text, Parent);
    Label->setObjectName(QString::fromLatin1(Name));
    Label->setTextFormat(Qt::PlainText);
    Label->setFont(Font);
    Label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label->setAutoFillBackground(true);
    SetColours(Label, QPalette::Window, SplashBlue, QPalette::WindowText, SplashText);
    // The fonts standing in for the ones the box was drawn with can run a little wider; the label
    // grows to the right rather than cut its last letters off.
    QRect Fitted = Place;
    Fitted.setWidth(std::max(Place.width(), QFontMetrics(Font).horizontalAdvance(Text) + 2));
    Label->setGeometry(Fitted);
    return Label;
}

} // namespace

QString PlatformName() {
    const QString Kernel = QSysInfo::kernelType();
    const std::pair<const char*, const char*> Known[] = {
        {"linux", "Linux"},     {"winnt", "Windows"}, {"darwin", "macOS"},
        {"freebsd", "FreeBSD"}, {"netbsd", "NetBSD"}, {"openbsd", "OpenBSD"},
    };
    for (const auto& [Type, Name] : Known)
        if (Kernel == QLatin1String(Type)) return QString::fromLatin1(Name);
    if (Kernel.isEmpty()) return QString();
    return Kernel.left(1).toUpper() + Kernel.mid(1);
}

FrmSplash::FrmSplash(QWidget* Table, const QString& AssetFolder)
    : QDialog(Table, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QString());
    SetColours(this, QPalette::Window, SplashBlue, QPalette::WindowText, SplashText);
    setFixedSize(Px(SplashWidth), Px(SplashHeight));

    Frame1 = new SplashFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(Twips(150, 60, 7080, 4050));

    ImgLogo = new QLabel(Frame1);
    ImgLogo->setObjectName(QStringLiteral("imgLogo"));
    ImgLogo->setGeometry(Twips(480, 600, 1812, 2388));
    ImgLogo->setAlignment(Qt::AlignCenter);
    ImgLogo->setPixmap(Logo(AssetFolder, Table ? Table->devicePixelRatioF() : devicePixelRatioF()));

    LblProductName = NewLabel(Frame1, "lblProductName", QStringLiteral("Tarnwick"),
                              SplashFont("Times New Roman", 53), Twips(2916, 1440, 3228, 732));
    LblPlatform = NewLabel(Frame1, "lblPlatform", PlatformName(), SplashFont("Arial", 26),
                           Twips(4920, 2340, 1395, 360));
    LblVersion = NewLabel(Frame1, "lblVersion", QStringLiteral("Version 2.0.1"),
                          SplashFont("Times New Roman", 20), Twips(4944, 2700, 1320, 276));

    CmdOK = new FlatButton(QStringLiteral("&O.K"), OkGreen, this);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    CmdOK->setFont(TableFont());
    CmdOK->setGeometry(Twips(2760, 4200, 1575, 375));
    CmdOK->setDefault(true);
    // The box is only ever hidden, never closed for good, so the next About shows it again.
    connect(CmdOK, &QPushButton::clicked, this, &QDialog::accept);
    new KeepInFront(this);
}

// The first showing is modal to the table: the table takes no clicks, keys or menu commands, and
// the game stands still, until O.K is pressed. Every later showing leaves the table usable and the
// game going, so the box can sit beside it. A request while the box is already up only brings it
// to the front.
void FrmSplash::ShowAbout() {
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    const bool Modal = !ShownBefore;
    setWindowModality(Modal ? Qt::WindowModal : Qt::NonModal);
    ShownBefore = true;
    CentreOverTable(this);
    if (Modal) {
        HoldingTable = true;
        emit TableHeld(true);
    }
    show();
    raise();
    activateWindow();
}

// However the box goes (O.K, Escape, or the program closing its windows), the game goes on.
void FrmSplash::hideEvent(QHideEvent* Event) {
    QDialog::hideEvent(Event);
    if (!std::exchange(HoldingTable, false)) return;
    emit TableHeld(false);
}

// Without a title bar the box draws its own raised edge.
void FrmSplash::paintEvent(QPaintEvent*) {
    QPainter P(this);
    P.fillRect(rect(), SplashBlue);
    const int Right = width() - 1, Bottom = height() - 1;
    P.setPen(QColor(192, 192, 192));
    P.drawLine(0, 0, Right, 0);
    P.drawLine(0, 0, 0, Bottom);
    P.setPen(QColor(64, 64, 64));
    P.drawLine(0, Bottom, Right, Bottom);
    P.drawLine(Right, 0, Right, Bottom);
}

} // namespace tarnwick
