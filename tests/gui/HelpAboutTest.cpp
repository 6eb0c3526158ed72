// The help window and the about box, offscreen: their titles, sizes and texts, that each is one
// window shown again and again, that their buttons only hide them, and that the help text is
// painted once, from the top-left corner, however often and at whatever size it is painted.

#include "gui/FrmHelp.h"
#include "gui/FrmSplash.h"
#include "gui/TableWidgets.h"
#include "shell/HelpText.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSysInfo>
#include <QTest>

#include <memory>

using namespace tarnwick;

namespace {

const QColor HelpBlue(0, 0, 192);

// Text is light cyan on blue: any pixel with some red in it belongs to a letter.
bool IsText(const QColor& C) { return C.red() > 64; }

int TextPixels(const QImage& Image, const QRect& Area) {
    int Count = 0;
    const QRect Inside = Area.intersected(Image.rect());
    for (int Y = Inside.top(); Y <= Inside.bottom(); ++Y)
        for (int X = Inside.left(); X <= Inside.right(); ++X)
            if (IsText(Image.pixelColor(X, Y))) ++Count;
    return Count;
}

// The leftmost column holding a letter within the rows of Area, or -1.
int FirstTextColumn(const QImage& Image, const QRect& Area) {
    const QRect Inside = Area.intersected(Image.rect());
    for (int X = Inside.left(); X <= Inside.right(); ++X)
        for (int Y = Inside.top(); Y <= Inside.bottom(); ++Y)
            if (IsText(Image.pixelColor(X, Y))) return X;
    return -1;
}

QImage Grab(QWidget* W) { return W->grab().toImage().convertToFormat(QImage::Format_RGB32); }

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

    int LinePitch() const { return QFontMetrics(Help->font()).lineSpacing(); }

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

    void helpWindowHasItsTitleAndSize() {
        QVERIFY(!Help->isVisible());
        Help->ShowHelp();
        QVERIFY(QTest::qWaitForWindowExposed(Help));
        QVERIFY(Help->isWindow());
        QVERIFY(!Help->isModal());
        QCOMPARE(Help->windowTitle(), QStringLiteral("Tarnwick Help"));
        // 12312 twips wide, and tall enough for the whole Exit button.
        QCOMPARE(Help->size(), QSize(1026, 841));
        QCOMPARE(Help->font().pixelSize(), 20);
        QVERIFY(Help->font().bold());

        auto* Exit = Find<QPushButton>(Help, "Command1");
        QCOMPARE(Exit->text(), QStringLiteral("E&xit"));
        QCOMPARE(Exit->geometry(), QRect(Px(5400), Px(9720), Px(1932), Px(372)));
        QCOMPARE(Exit->palette().color(QPalette::Button), QColor(0, 192, 0));
        QVERIFY(Exit->font().bold());
    }

    void tableStaysUsableBesideTheHelp() {
        Help->ShowHelp();
        QVERIFY(QTest::qWaitForWindowExposed(Help));
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(Table->isEnabled());
    }

    void secondShowingBringsUpTheSameWindow() {
        Help->ShowHelp();
        QVERIFY(QTest::qWaitForWindowExposed(Help));
        Help->ShowHelp();
        QVERIFY(Help->isVisible());
        QCOMPARE(CountWindows("tarnwick::FrmHelp"), 1);
    }

    void exitHidesAndTheTextComesBack() {
        Help->ShowHelp();
        QVERIFY(QTest::qWaitForWindowExposed(Help));
        const QImage Before = Grab(Help);
        QTest::mouseClick(Find(Help, "Command1"), Qt::LeftButton);
        QVERIFY(!Help->isVisible());
        QCOMPARE(CountWindows("tarnwick::FrmHelp"), 1);

        Help->ShowHelp();
        QVERIFY(QTest::qWaitForWindowExposed(Help));
        const QImage After = Grab(Help);
        QVERIFY(TextPixels(After, QRect(0, 3 * LinePitch(), 600, LinePitch())) > 0);
        QCOMPARE(After, Before);
    }

    void textIsPaintedFromTheTopLeft() {
        Help->ShowHelp();
        QVERIFY(QTest::qWaitForWindowExposed(Help));
        const QImage Image = Grab(Help);
        const int Pitch = LinePitch();
        QCOMPARE(Image.pixelColor(0, 0), HelpBlue);

        // The heading stands far in from the left; the first paragraph starts four blanks in.
        const QRect Heading(0, 0, Image.width(), Pitch);
        QVERIFY(FirstTextColumn(Image, Heading) > 250);
        const QRect Line4(0, 3 * Pitch, Image.width(), Pitch);
        const int Indent = FirstTextColumn(Image, Line4);
        QVERIFY2(Indent >= 10 && Indent <= 30, qPrintable(QString::number(Indent)));

        // The empty third line and the space below the last line stay blue.
        QCOMPARE(TextPixels(Image, QRect(0, 2 * Pitch + 2, Image.width(), Pitch - 4)), 0);
        const int BelowText = static_cast<int>(HelpLineCount) * Pitch;
        QCOMPARE(TextPixels(Image, QRect(0, BelowText, Image.width(), Px(9720) - BelowText)), 0);
        QVERIFY(TextPixels(Image, QRect(0, 31 * Pitch, 200, Pitch)) > 0);
    }

    void resizeRedrawsTheSameLinesOnce() {
        Help->ShowHelp();
        QVERIFY(QTest::qWaitForWindowExposed(Help));
        const QImage Before = Grab(Help);
        const QRect Text(0, 0, Before.width(), Px(9720));

        Help->resize(700, 500);
        const QImage Smaller = Grab(Help);
        QCOMPARE(Smaller.size(), QSize(700, 500));
        QCOMPARE(Smaller, Before.copy(QRect(0, 0, 700, 500)));

        Help->resize(1300, 1100);
        const QImage Larger = Grab(Help);
        QCOMPARE(Larger.size(), QSize(1300, 1100));
        QCOMPARE(Larger.copy(Text), Before.copy(Text));
        // Nothing is painted a second time below the button.
        const int BelowButton = Px(9720) + Px(372) + 2;
        QCOMPARE(TextPixels(Larger, QRect(0, BelowButton, Larger.width(), Larger.height() - BelowButton)), 0);

        Help->resize(1026, 841);
        QCOMPARE(Grab(Help), Before);
    }

    void aboutBoxShowsNameVersionAndPlatform() {
        Splash->ShowAbout();
        QVERIFY(QTest::qWaitForWindowExposed(Splash));
        QCOMPARE(Splash->objectName(), QStringLiteral("frmSplash"));
        QVERIFY(Splash->windowTitle().isEmpty());
        QCOMPARE(Splash->size(), QSize(Px(7380), Px(4700)));
        QCOMPARE(Splash->palette().color(QPalette::Window), QColor(0, 0, 128));
        QCOMPARE(Find(Splash, "Frame1")->geometry(), QRect(Px(150), Px(60), Px(7080), Px(4050)));

        auto* Name = Find<QLabel>(Splash, "lblProductName");
        QCOMPARE(Name->text(), QStringLiteral("Tarnwick"));
        QCOMPARE(Name->font().pixelSize(), 53);
        QCOMPARE(Name->pos(), QPoint(Px(2916), Px(1440)));
        auto* Version = Find<QLabel>(Splash, "lblVersion");
        QCOMPARE(Version->text(), QStringLiteral("Version 2.0.1"));
        QCOMPARE(Version->font().pixelSize(), 20);
        QCOMPARE(Version->pos(), QPoint(Px(4944), Px(2700)));
        for (QLabel* Label : {Name, Version, Find<QLabel>(Splash, "lblPlatform")}) {
            QCOMPARE(Label->palette().color(QPalette::WindowText), QColor(192, 255, 255));
            QVERIFY(Label->font().bold());
            QVERIFY(Label->parentWidget() == Find(Splash, "Frame1"));
        }

        auto* Logo = Find<QLabel>(Splash, "imgLogo");
        QCOMPARE(Logo->geometry(), QRect(Px(480), Px(600), Px(1812), Px(2388)));
        const QPixmap Picture = Logo->pixmap();
        QVERIFY(!Picture.isNull());
        QCOMPARE(Picture.deviceIndependentSize().toSize(), QSize(32, 32));

        auto* Ok = Find<QPushButton>(Splash, "CmdOK");
        QCOMPARE(Ok->text(), QStringLiteral("&O.K"));
        QCOMPARE(Ok->geometry(), QRect(Px(2760), Px(4200), Px(1575), Px(375)));
        QVERIFY(Ok->parentWidget() == Splash);
        QCOMPARE(Ok->palette().color(QPalette::Button), QColor(192, 255, 192));
    }

    void platformLabelNamesTheRunningSystem() {
        auto* Platform = Find<QLabel>(Splash, "lblPlatform");
        QCOMPARE(Platform->text(), PlatformName());
        QCOMPARE(Platform->text().toLower(),
                 QSysInfo::kernelType() == QStringLiteral("winnt")    ? QStringLiteral("windows")
                 : QSysInfo::kernelType() == QStringLiteral("darwin") ? QStringLiteral("macos")
                                                                      : QSysInfo::kernelType().toLower());
#ifdef Q_OS_LINUX
        QCOMPARE(Platform->text(), QStringLiteral("Linux"));
#endif
        QCOMPARE(Platform->font().pixelSize(), 26);
        QCOMPARE(Platform->pos(), QPoint(Px(4920), Px(2340)));
    }

    void okHidesTheBoxAndItComesBackNonModal() {
        Splash->ShowAbout();
        QVERIFY(QTest::qWaitForWindowExposed(Splash));
        QCOMPARE(Splash->windowModality(), Qt::WindowModal);
        QVERIFY(QApplication::activeModalWidget() == Splash);

        QTest::mouseClick(Find(Splash, "CmdOK"), Qt::LeftButton);
        QVERIFY(!Splash->isVisible());
        QVERIFY(!QApplication::activeModalWidget());

        Splash->ShowAbout();
        QVERIFY(QTest::qWaitForWindowExposed(Splash));
        QCOMPARE(Splash->windowModality(), Qt::NonModal);
        QVERIFY(!QApplication::activeModalWidget());
        Splash->ShowAbout();
        QCOMPARE(CountWindows("tarnwick::FrmSplash"), 1);
        QTest::mouseClick(Find(Splash, "CmdOK"), Qt::LeftButton);
        QVERIFY(!Splash->isVisible());
    }

    void aboutBoxStandsOverTheTable() {
        // Kept well inside the offscreen screen, which would otherwise push the box back onto it.
        Table->setGeometry(100, 50, 600, 500);
        Splash->ShowAbout();
        QVERIFY(QTest::qWaitForWindowExposed(Splash));
        const QPoint Off = Splash->frameGeometry().center() - Table->frameGeometry().center();
        QVERIFY2(Off.manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(Off.x()).arg(Off.y())));
    }
};

QTEST_MAIN(HelpAboutTest)
#include "HelpAboutTest.moc"
