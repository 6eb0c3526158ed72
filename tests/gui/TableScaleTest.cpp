// SPDX-License-Identifier: GPL-3.0-or-later
// The table at other sizes than the one it was drawn at: where its boxes land at each scale, a
// click on a small table, resizing, the opening size on small and large screens, and pictures
// as fine as the screen's pixels. Run on three offscreen screens: a 1920 x 1080 desktop (the
// first), a 1024 x 600 netbook and a 1920 x 1080 screen of two device pixels a pixel.

#include "TableUnderTest.h"
#include "gui/Pictures.h"
#include "gui/TableWidgets.h"
#include "rules/Legality.h"

#include <QAction>
#include <QGuiApplication>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <vector>

using namespace tarnwick;
using tarnwick::test::TableUnderTest;

namespace {

const QString Assets = QStringLiteral(TARNWICK_ASSETS);

// Twips to a pixel edge at a scale: the layout was drawn at twelve twips a pixel.
int EdgeAt(double Factor, double Twips) {
    return static_cast<int>(std::lround(Twips * Factor / 12));
}

// A box of the layout at a scale, its place given relative to a frame at (FrameLeft, FrameTop).
QRect BoxAt(double Factor, double Left, double Top, double Width, double Height, double FrameLeft = 0,
            double FrameTop = 0) {
    auto X = [&](double T) { return EdgeAt(Factor, FrameLeft + T) - EdgeAt(Factor, FrameLeft); };
    auto Y = [&](double T) { return EdgeAt(Factor, FrameTop + T) - EdgeAt(Factor, FrameTop); };
    return QRect(QPoint(X(Left), Y(Top)), QPoint(X(Left + Width) - 1, Y(Top + Height) - 1));
}

struct Placed {
    const char* Name;
    double Left, Top, Width, Height;
    double FrameLeft = 0, FrameTop = 0;
};

// A box of the table and of each frame, and one inside each frame, as the layout gives them in
// twips: boxes inside a frame round their edges from the frame's place on the table.
const Placed Layout[] = {
    {"Shape1", 2880, 2640, 5532, 3852},
    {"FramScores", 10680, 240, 1815, 7815},
    {"LblScore2", 1080, 4080, 615, 375, 10680, 240},
    {"FramBids", 3840, 2760, 2985, 1785},
    {"LblBids13", 1560, 1320, 375, 375, 3840, 2760},
    {"FramResults", 4440, 480, 2655, 6975},
    {"TxtRodrick", 120, 1800, 2415, 1455, 4440, 480},
    {"FramMoney", 4320, 480, 2445, 5652},
    {"Command1", 600, 5160, 1332, 372, 4320, 480},
};

QScreen* ScreenNamed(const char* Name) {
    for (QScreen* Screen : QGuiApplication::screens())
        if (Screen->name() == QLatin1String(Name)) return Screen;
    qFatal("no screen %s", Name);
}

} // namespace

class TableScaleTest : public QObject, public TableUnderTest {
    Q_OBJECT

private:
    QWidget* Card(int K) { return Find(QStringLiteral("Cds%1").arg(K)); }

    // Gives the table's room the size of the whole table at about Factor; returns the scale taken.
    double ResizeTo(double Factor) {
        QWidget* Room = Find(QStringLiteral("Room"));
        const QSize Wanted(EdgeAt(Factor, 12576), EdgeAt(Factor, 10656));
        Table->resize(Table->size() + Wanted - Room->size());
        if (!QTest::qWaitFor([&] { return Room->size() == Wanted; }, 2000)) return 0;
        return Table->Scaled().Factor;
    }

    void CompareLayout(double Factor) {
        for (const Placed& P : Layout)
            QCOMPARE(Find(QString::fromLatin1(P.Name))->geometry(),
                     BoxAt(Factor, P.Left, P.Top, P.Width, P.Height, P.FrameLeft, P.FrameTop));
        // The top card of the pack and the first of the human's trick pile: every picture has the
        // one size, whatever pixel its corner falls on.
        const QSize CardSize(EdgeAt(Factor, 852), EdgeAt(Factor, 1152));
        QCOMPARE(Card(52)->geometry(), QRect(QPoint(EdgeAt(Factor, 5142), EdgeAt(Factor, 3618)), CardSize));
        QCOMPARE(Find(QStringLiteral("ImgBackEast13"))->geometry(),
                 QRect(QPoint(EdgeAt(Factor, 10080), EdgeAt(Factor, 8400)),
                       QSize(EdgeAt(Factor, 432), EdgeAt(Factor, 432))));
        QCOMPARE(Find(QStringLiteral("Table"))->size(), QSize(EdgeAt(Factor, 12576), EdgeAt(Factor, 10656)));
        // Texts keep their proportions, never larger than the scale makes them.
        QCOMPARE(Find(QStringLiteral("LblToWin"))->font().pixelSize(),
                 static_cast<int>(std::floor(14 * Factor + 1e-9)));
        // The status bar is the desktop's, in the table's lettering at its designed size.
        for (const char* Panel : {"StatusPanel1", "StatusPanel2"}) {
            const QFont Font = Find(QString::fromLatin1(Panel))->font();
            QCOMPARE(Font.family(), QStringLiteral("Times New Roman"));
            QVERIFY(Font.bold());
            QCOMPARE(Font.pixelSize(), 14);
        }
    }

    std::vector<QWidget*> SouthHand() {
        const int Row = EdgeAt(Table->Scaled().Factor, 6600);
        std::vector<QWidget*> Hand;
        for (int K = 1; K <= 52; ++K)
            if (Card(K)->isVisible() && Card(K)->y() == Row) Hand.push_back(Card(K));
        std::sort(Hand.begin(), Hand.end(), [](QWidget* A, QWidget* B) { return A->x() < B->x(); });
        return Hand;
    }

    // The prompt can still show for a moment after the card has been taken, so the game itself is
    // asked whether it waits for a card.
    bool HumansTurn() {
        return Table->GameAtTable().Flow.AwaitingHuman(HumanWait::Card) &&
               Status().endsWith(QStringLiteral("please click on card you wish to play."));
    }

    // Answers the bid panel, the results and any box the way a player in a hurry would.
    void AnswerAnythingElse() {
        for (const char* Name : {"Label1_0", "CmdClose", "LblBids2"}) {
            QWidget* Target = Find(QString::fromLatin1(Name));
            if (!Target->isVisible()) continue;
            QTest::mouseClick(Target, Qt::LeftButton, {}, Target->rect().center());
            return;
        }
    }

private slots:
    void init() { NewRecords(); }
    void cleanup() { CloseTable(); }

    // Where it fits the table opens at its designed size, centred as well as the frame allowed for
    // before there was one lets it be; resized, every box lands on the pixels its scale gives.
    void theLayoutLandsOnTheSamePixelsAtEveryScale() {
        OpenTable(7, ScreenNamed("Desktop"));
        QCOMPARE(Table->Scaled().Factor, 1.0);
        QCOMPARE(Find(QStringLiteral("Room"))->size(), QSize(1048, 888));
        const QRect Screen = Table->screen()->availableGeometry();
        QVERIFY(Screen.contains(Table->frameGeometry()));
        QVERIFY(std::abs(Table->frameGeometry().center().x() - Screen.center().x()) <= 4);
        CompareLayout(1.0);
        std::map<QWidget*, QRect> Before;
        // The keyboard's mark is hidden, and placed only once a key is used.
        for (QWidget* W : Find(QStringLiteral("Table"))->findChildren<QWidget*>())
            if (!W->objectName().isEmpty() && W->objectName() != QStringLiteral("FocusMark")) Before[W] = W->geometry();
        QVERIFY(Before.size() > 52 + 52 + 4);
        for (const double Wanted : {0.6, 2.0, 1.0}) {
            const double Factor = ResizeTo(Wanted);
            QVERIFY2(std::abs(Factor - Wanted) < 0.001, qPrintable(QString::number(Factor)));
            CompareLayout(Factor);
            // No widget is left where it was; the keyboard's ring is placed only when it shows.
            if (Wanted == 0.6)
                for (const auto& [W, Was] : Before)
                    if (W->objectName() != QStringLiteral("FocusMark"))
                        QVERIFY2(W->geometry() != Was, qPrintable(W->objectName()));
        }

        // Maximised, the table fills the height left by the menu and status bars, in the middle.
        Table->showMaximized();
        QWidget* Room = Find(QStringLiteral("Room"));
        QTRY_VERIFY_WITH_TIMEOUT(Table->frameGeometry().width() == Screen.width(), 2000);
        QCOMPARE(Room->width(), Table->width());
        const QSize Shown = Find(QStringLiteral("Table"))->size();
        QCOMPARE(Shown.height(), Room->height());
        QCOMPARE(Find(QStringLiteral("Table"))->x(), (Room->width() - Shown.width()) / 2);
        CompareLayout(Table->Scaled().Factor);
    }

    // Thirteen times at a small table, the centre of what shows of a card the rules allow: that
    // card, the one on top there, is the card played.
    void aClickOnTheSmallTablePlaysTheCardUnderThePointer() {
        OpenTable(7, ScreenNamed("Desktop"));
        QVERIFY(std::abs(ResizeTo(0.6) - 0.6) < 0.001);
        QWidget* Client = Find(QStringLiteral("Table"));
        Table->windowHandle()->requestActivate();
        QTRY_VERIFY_WITH_TIMEOUT(Table->isActiveWindow(), 2000);
        QTest::keyClick(Table.get(), Qt::Key_F2);
        const GameState& S = Table->GameAtTable().State;
        int Played = 0;
        while (Played < 13) {
            QVERIFY(QTest::qWaitFor(
                [&] {
                    if (HumansTurn()) return true;
                    AnswerAnythingElse();
                    return false;
                },
                20000));
            const std::vector<QWidget*> Hand = SouthHand();
            QCOMPARE(static_cast<int>(Hand.size()), 13 - Played);
            const bool Leading = CardsLeft(S, East) == CardsLeft(S, Human);
            size_t Pick = 0;
            int K = 0;
            for (; Pick < Hand.size(); ++Pick) {
                K = Hand[Pick]->objectName().mid(3).toInt();
                if (IsLegalForHuman(S, static_cast<int16_t>(K), Leading)) break;
            }
            QVERIFY(Pick < Hand.size());
            const QRect Whole = Hand[Pick]->geometry();
            const int Right = Pick + 1 < Hand.size() ? Hand[Pick + 1]->x() : Whole.right() + 1;
            const QPoint Centre((Whole.left() + Right) / 2, Whole.center().y());
            QCOMPARE(Client->childAt(Centre), Hand[Pick]);
            QTest::mouseClick(Table->windowHandle(), Qt::LeftButton, {}, Client->mapTo(Table.get(), Centre));
            QTRY_VERIFY_WITH_TIMEOUT(S.Deck[K].Holder != Human, 2000);
            QCOMPARE(S.CardClicked, static_cast<int16_t>(K));
            ++Played;
        }
        // The hand's results, small as they are, show every line whole.
        QWidget* Results = Find(QStringLiteral("FramResults"));
        QTRY_VERIFY_WITH_TIMEOUT(Results->isVisible(), 20000);
        for (const char* Name : {"TxtPlayer", "TxtRodrick", "TxtDesmond", "TxtBeatrix"}) {
            auto* Text = Find<QLabel>(QString::fromLatin1(Name));
            QVERIFY(!Text->text().isEmpty());
            const QRect Room = Text->contentsRect().adjusted(Text->margin(), Text->margin(), -Text->margin(),
                                                             -Text->margin());
            const QRect Needed = Text->fontMetrics().boundingRect(
                Room, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, Text->text());
            QVERIFY2(Room.contains(Needed), qPrintable(Text->text()));
        }
    }

    // On a 1024 x 600 screen the whole window fits, frame, menus and status bar and all, and every
    // text of the table still fits its box.
    void onASmallScreenTheTableOpensSmallerAndWhole() {
        OpenTable(7, ScreenNamed("Netbook"));
        const double Factor = Table->Scaled().Factor;
        QVERIFY2(Factor < 0.7 && Factor >= FrmTable::SmallestScale, qPrintable(QString::number(Factor)));
        const QRect Screen = ScreenNamed("Netbook")->availableGeometry();
        QVERIFY(Screen.contains(Table->frameGeometry()));
        // The room allowed for a title bar above the window.
        QVERIFY(Table->geometry().bottom() + 4 >= Screen.bottom() - 32 - 4);
        CompareLayout(Factor);
        // The help window opens no larger than the screen.
        for (QAction* Item : Table->findChildren<QAction*>())
            if (Item->objectName() == QStringLiteral("MnuMain")) Item->trigger();
        QWidget* Help = Find(QStringLiteral("FrmHelp"));
        QTRY_VERIFY_WITH_TIMEOUT(Help->isVisible(), 2000);
        QVERIFY(Help->width() <= Screen.width() && Help->height() <= Screen.height());
        QVERIFY(Help->height() < Px(10092));
        Help->hide();
        for (QLabel* Label : Find(QStringLiteral("Table"))->findChildren<QLabel*>()) {
            if (Label->wordWrap() || Label->text().isEmpty()) continue;
            const QFontMetrics Metrics(Label->font());
            QVERIFY2(Metrics.horizontalAdvance(Label->text()) <= Label->contentsRect().width(),
                     qPrintable(Label->objectName()));
            QVERIFY2(Metrics.height() <= Label->contentsRect().height() + 2, qPrintable(Label->objectName()));
        }
    }

    void picturesComeFromASetAsFineAsThePixelsTheyCover() {
        for (const auto& [Covered, Set] : {std::pair{QSize(43, 58), 1},
                                           {QSize(71, 96), 1},
                                           {QSize(72, 97), 2},
                                           {QSize(142, 192), 2},
                                           {QSize(143, 193), 3},
                                           {QSize(300, 400), 3}})
            QCOMPARE(PictureSetFor({71, 96}, Covered), Set);

        Pictures Pics(Assets);
        const QImage& Small = Pics.At(1, {43, 58}, 1.0);
        QCOMPARE(Small.size(), QSize(43, 58));
        const qint64 Made = Small.cacheKey();
        QCOMPARE(Pics.At(1, {43, 58}, 1.0).cacheKey(), Made);
        for (const auto& [Ratio, File] :
             {std::pair{1.0, "card01.png"}, {2.0, "card01@2x.png"}, {3.0, "card01@3x.png"}}) {
            const QImage& Exact = Pics.At(1, {71, 96}, Ratio);
            QCOMPARE(Exact.devicePixelRatio(), Ratio);
            QCOMPARE(Exact.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                     QImage(Assets + QLatin1Char('/') + QLatin1String(File))
                         .convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }
        QVERIFY(Pics.At(1, {71, 96}, 3.0).cacheKey() != Made);
        QCOMPARE(Pics.At(Pictures::PileBack, {54, 54}, 2.0).size(), QSize(108, 108));
    }

    // On a screen of two device pixels a pixel the top card of the pack shows the double-size
    // picture pixel for pixel.
    void aDenseScreenShowsTheFinerPictures() {
        OpenTable(7, ScreenNamed("Dense"));
        QCOMPARE(Table->devicePixelRatioF(), 2.0);
        QCOMPARE(Table->Scaled().Factor, 1.0);
        const QImage Shown = Card(52)->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(Shown.size(), QSize(142, 192));
        const QImage Drawn = QImage(Assets + QStringLiteral("/back@2x.png"))
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QRect Inside(10, 10, 122, 172);
        QCOMPARE(Shown.copy(Inside), Drawn.copy(Inside));
    }
};

QTEST_MAIN(TableScaleTest)
#include "TableScaleTest.moc"
