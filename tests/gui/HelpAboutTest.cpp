// SPDX-License-Identifier: GPL-3.0-or-later
// The help window and the about box, offscreen: their titles, sizes, texts and flat buttons, each
// one window its button only hides, and the help text painted once from the top-left corner.

#include "gui/FrmHelp.h"
#include "gui/FrmSplash.h"
#include "gui/TableWidgets.h"
#include "rules/HelpText.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>

#include <memory>
#include <utility>

using namespace tarnwick;

namespace {

// Text is light cyan on blue: any pixel with some red in it belongs to a letter.
int TextPixels(const QImage& Image, const QRect& Area) {
    int Count = 0;
    const QRect Inside = Area.intersected(Image.rect());
    for (int Y = Inside.top(); Y <= Inside.bottom(); ++Y)
        for (int X = Inside.left(); X <= Inside.right(); ++X)
            Count += Image.pixelColor(X, Y).red() > 64;
    return Count;
}

// The leftmost column holding a letter within the rows of Area, or -1.
int FirstTextColumn(const QImage& Image, const QRect& Area) {
    for (int X = 0; X < Image.width(); ++X)
        if (TextPixels(Image, QRect(X, Area.top(), 1, Area.height())) > 0) return X;
    return -1;
}

QImage Grab(QWidget* W) {
    return W->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class HelpAboutTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QWidget> Table;
    FrmHelp* Help = nullptr;
    FrmSplash* Splash = nullptr;

    template <class T = QWidget> static T* Find(QWidget* In, const char* Name) {
        T* Found = In->findChild<T*>(QString::fromLatin1(Name));
        if (!Found) qFatal("no %s in %s", Name, qPrintable(In->objectName()));
        return Found;
    }

    static int CountWindows(const char* ClassName) {
        int Count = 0;
        for (QWidget* W : QApplication::topLevelWidgets())
            if (W->inherits(ClassName)) ++Count;
        return Count;
    }

private slots:
    void init() {
        Table = std::make_unique<QWidget>();
        Table->setGeometry(40, 30, 1048, 888);
        Table->show();
        QVERIFY(QTest::qWaitForWindowExposed(Table.get()));
        Help = new FrmHelp(Table.get());
        Splash = new FrmSplash(Table.get(), QStringLiteral(TARNWICK_ASSETS));
    }

    void cleanup() {
        Table.reset();
        Help = nullptr;
        Splash = nullptr;
    }

    // One window beside the table, shown again and again, which its Exit button only hides. The
    // heading stands far in from the left, the first paragraph four blanks in; the empty third line
    // and the space below the last stay blue. At any size the same lines are painted once.
    void helpWindowIsPaintedOnceFromTheTopLeft() {
        Help->ShowHelp();
        QVERIFY(QTest::qWaitForWindowExposed(Help));
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(Help->windowTitle(), QStringLiteral("Tarnwick Help"));
        // Wide enough for the longest line, at least the 12312 twips it was drawn at, and tall
        // enough for the whole Exit button.
        int Longest = 0;
        for (const std::string& Line : HelpLines())
            Longest = std::max(Longest, QFontMetrics(Help->font()).horizontalAdvance(QString::fromStdString(Line)));
        QVERIFY(Help->width() >= std::max(1026, Longest));
        QVERIFY(Help->width() <= std::max(1026, Longest) + 10);
        QCOMPARE(Help->height(), 841);
        QCOMPARE(Help->font().pixelSize(), 20);
        QVERIFY(Help->font().bold());
        auto* Exit = Find<QPushButton>(Help, "Command1");
        QCOMPARE(Exit->text(), QStringLiteral("E&xit"));
        QCOMPARE(Exit->geometry(), QRect(Px(5400), Px(9720), Px(1932), Px(372)));

        const QImage Before = Grab(Help);
        const int Pitch = QFontMetrics(Help->font()).lineSpacing(), Width = Before.width();
        QCOMPARE(Before.pixelColor(0, 0), QColor(0, 0, 192));
        QVERIFY(FirstTextColumn(Before, QRect(0, 0, Width, Pitch)) > 250);
        const int Indent = FirstTextColumn(Before, QRect(0, 3 * Pitch, Width, Pitch));
        QVERIFY2(Indent >= 10 && Indent <= 30, qPrintable(QString::number(Indent)));
        QCOMPARE(TextPixels(Before, QRect(0, 2 * Pitch + 2, Width, Pitch - 4)), 0);
        const int BelowText = static_cast<int>(HelpLineCount) * Pitch;
        QCOMPARE(TextPixels(Before, QRect(0, BelowText, Width, Px(9720) - BelowText)), 0);
        QVERIFY(TextPixels(Before, QRect(0, 31 * Pitch, 200, Pitch)) > 0);

        // Smaller, the window shows the same text from its top-left corner, the Exit button at its
        // bottom edge so it can still be clicked.
        Help->resize(700, 500);
        const QRect AboveExit(0, 0, 700, 500 - Px(372));
        QCOMPARE(Grab(Help).copy(AboveExit), Before.copy(AboveExit));
        QCOMPARE(Exit->geometry().bottom(), 499);
        // It scrolls by keys and the wheel, never past the page, and Escape closes it.
        QTest::keyClick(Help, Qt::Key_PageDown);
        QVERIFY(Help->Scrolled().y() > 0);
        QTest::keyClick(Help, Qt::Key_End);
        QCOMPARE(Help->Scrolled(), QPoint(0, 841 - 500));
        QTest::keyClick(Help, Qt::Key_Right);
        QVERIFY(Help->Scrolled().x() > 0);
        QWheelEvent Up(QPointF(10, 10), Help->mapToGlobal(QPointF(10, 10)), {}, QPoint(0, 120 * 100),
                       Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Help, &Up);
        QCOMPARE(Help->Scrolled().y(), 0);
        QTest::keyClick(Help, Qt::Key_Home);
        QCOMPARE(Help->Scrolled(), QPoint(0, 0));
        QTest::keyClick(Help, Qt::Key_Escape);
        QVERIFY(!Help->isVisible());
        Help->ShowHelp();
        Help->resize(1300, 1100);
        const QImage Larger = Grab(Help);
        const QRect Text(0, 0, Width, Px(9720));
        QCOMPARE(Larger.copy(Text), Before.copy(Text));
        const int BelowButton = Px(9720) + Px(372) + 2;
        QCOMPARE(TextPixels(Larger, QRect(0, BelowButton, Larger.width(), Larger.height() - BelowButton)), 0);
        Help->resize(Before.size());
        QTest::mouseClick(Exit, Qt::LeftButton);
        QVERIFY(!Help->isVisible());
        Help->ShowHelp();
        Help->ShowHelp();
        QVERIFY(QTest::qWaitForWindowExposed(Help));
        QCOMPARE(CountWindows("tarnwick::FrmHelp"), 1);
        QCOMPARE(Grab(Help), Before);
    }

    // Shown first centred over the table and modal to it; O.K only hides it, and it comes back
    // modeless, the same one window.
    void aboutBoxShowsNameVersionAndPlatform() {
        // Kept well inside the offscreen screen, which would otherwise push the box back onto it.
        Table->setGeometry(100, 50, 600, 500);
        Splash->ShowAbout();
        QVERIFY(QTest::qWaitForWindowExposed(Splash));
        const QPoint Off = Splash->frameGeometry().center() - Table->frameGeometry().center();
        QVERIFY2(Off.manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(Off.x()).arg(Off.y())));
        QVERIFY(QApplication::activeModalWidget() == Splash);
        QVERIFY(Splash->windowTitle().isEmpty());
        QCOMPARE(Splash->size(), QSize(Px(7380), Px(4700)));
        QCOMPARE(Splash->palette().color(QPalette::Window), QColor(0, 0, 128));
        QWidget* Frame = Find(Splash, "Frame1");
        QCOMPARE(Frame->geometry(), QRect(Px(150), Px(60), Px(7080), Px(4050)));
        const struct {
            const char* Name;
            QString Text;
            int PixelSize;
            QPoint At;
        } Labels[] = {{"lblProductName", QStringLiteral("Tarnwick"), 53, {Px(2916), Px(1440)}},
                      {"lblVersion", QStringLiteral("Version 2.0.1"), 20, {Px(4944), Px(2700)}},
                      {"lblPlatform", PlatformName(), 26, {Px(4920), Px(2340)}}};
        for (const auto& L : Labels) {
            auto* Label = Find<QLabel>(Splash, L.Name);
            QCOMPARE(Label->text(), L.Text);
            QCOMPARE(Label->font().pixelSize(), L.PixelSize);
            QVERIFY(Label->font().bold());
            QCOMPARE(Label->pos(), L.At);
            QCOMPARE(Label->palette().color(QPalette::WindowText), QColor(192, 255, 255));
            QVERIFY(Label->parentWidget() == Frame);
        }
        auto* Logo = Find<QLabel>(Splash, "imgLogo");
        QCOMPARE(Logo->geometry(), QRect(Px(480), Px(600), Px(1812), Px(2388)));
        QCOMPARE(Logo->pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
        auto* Ok = Find<QPushButton>(Splash, "CmdOK");
        QCOMPARE(Ok->text(), QStringLiteral("&O.K"));
        QCOMPARE(Ok->geometry(), QRect(Px(2760), Px(4200), Px(1575), Px(375)));
        QVERIFY(Ok->parentWidget() == Splash);

        QTest::mouseClick(Ok, Qt::LeftButton);
        QVERIFY(!Splash->isVisible());
        Splash->ShowAbout();
        Splash->ShowAbout();
        QVERIFY(QTest::qWaitForWindowExposed(Splash));
        QCOMPARE(Splash->windowModality(), Qt::NonModal);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(CountWindows("tarnwick::FrmSplash"), 1);
        QTest::mouseClick(Ok, Qt::LeftButton);
        QVERIFY(!Splash->isVisible());
    }

    // E&xit and &O.K are each one flat colour from edge to edge beside their captions, whatever
    // the style would paint, held down as much as up.
    void exitAndOkAreDrawnFlatInTheirOwnColours() {
        Help->ShowHelp();
        Splash->ShowAbout();
        QVERIFY(QTest::qWaitForWindowExposed(Help) && QTest::qWaitForWindowExposed(Splash));
        const std::pair<QPushButton*, QColor> Buttons[] = {
            {Find<QPushButton>(Help, "Command1"), QColor(0, 192, 0)},
            {Find<QPushButton>(Splash, "CmdOK"), QColor(192, 255, 192)}};
        for (const auto& [Button, Colour] : Buttons) {
            for (const bool Down : {false, true}) {
                Button->setDown(Down);
                const QImage Face = Grab(Button);
                const int Right = Face.width() - 1, Bottom = Face.height() - 1;
                int Off = 0;
                for (int Y = 3; Y <= Bottom - 3; ++Y)
                    for (int X = 3; X <= 12; ++X)
                        Off += (Face.pixelColor(X, Y) != Colour) + (Face.pixelColor(Right - X, Y) != Colour);
                QVERIFY2(Off == 0, qPrintable(Button->objectName() + QStringLiteral(": %1 off").arg(Off)));
                QCOMPARE(Face.pixelColor(Right, Bottom), QColor(Qt::black));
                QCOMPARE(Face.pixelColor(0, 0), Down ? QColor(Qt::black) : QColor(Qt::white));
            }
        }
    }
};

QTEST_MAIN(HelpAboutTest)
#include "HelpAboutTest.moc"
