// SPDX-License-Identifier: GPL-3.0-or-later
// The trick review and the hint at the real table, offscreen in virtual time: opened through the
// View menu, the L key and a click on a row of tricks won; stepped by the arrow keys and the
// arrows on the felt; closed by Escape, L and a click elsewhere; the hint asked for by the Help
// menu and H, and played with Return.

#include "TableUnderTest.h"
#include "gui/ReviewWidget.h"
#include "commands/Hint.h"
#include "commands/Review.h"

#include <QAction>
#include <QDir>
#include <QProcess>
#include <QWindow>

using namespace tarnwick;
using tarnwick::test::TableUnderTest;

class ReviewWindowTest : public QObject, public TableUnderTest {
    Q_OBJECT

private:
    Game& G() { return Table->GameAtTable(); }
    QAction* Action(const char* Name) { return Find<QAction>(QString::fromLatin1(Name)); }
    ReviewWidget* Review() { return Find<ReviewWidget>(QStringLiteral("Review")); }
    void Key(Qt::Key K) { QTest::keyClick(Table.get(), K); }

    // Run under a real X server with TARNWICK_SHOTS naming a folder, the screen is photographed
    // there at the moments worth looking at.
    static void Shot(const char* Name) {
        const QString Folder = qEnvironmentVariable("TARNWICK_SHOTS");
        if (Folder.isEmpty()) return;
        QTest::qWait(200);
        QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"),
                                                     QDir(Folder).filePath(QString::fromLatin1(Name))});
    }

    // H, then Return: whatever the human is asked for, the hint is what gets taken.
    void TakeHint() {
        QTRY_VERIFY_WITH_TIMEOUT(Action("MnuHint")->isEnabled(), 5000);
        const std::optional<Clickable> Hint = HintFor(G());
        QVERIFY(Hint);
        Key(Qt::Key_H);
        QVERIFY(G().View.Focus == (FocusMark{true, *Hint}));
        QVERIFY(Find(QStringLiteral("FocusMark"))->isVisible());
        Key(Qt::Key_Return);
    }

private slots:
    void init() {
        NewRecords();
        OpenTable(3);
        Table->windowHandle()->requestActivate();
        QTRY_VERIFY_WITH_TIMEOUT(Table->isActiveWindow(), 2000);
    }
    void cleanup() { CloseTable(); }

    void EntriesAreOfferedOnlyWhenThereIsSomethingToShow() {
        QVERIFY(!Action("MnuLastTrick")->isEnabled());
        QVERIFY(!Action("MnuHint")->isEnabled());
        Key(Qt::Key_F2);
        QTRY_VERIFY_WITH_TIMEOUT(Find(QStringLiteral("FramBids"))->isVisible(), 5000);
        QVERIFY(Action("MnuHint")->isEnabled());
        QVERIFY2(!Action("MnuLastTrick")->isEnabled(), "no trick is finished yet");
        Key(Qt::Key_L);
        QVERIFY(!Review()->isVisible());
    }

    void HintsPlayTheHandAndTheReviewShowsItsTricks() {
        Key(Qt::Key_F2);
        QTRY_VERIFY_WITH_TIMEOUT(Find(QStringLiteral("FramBids"))->isVisible(), 5000);
        TakeHint();
        QTRY_VERIFY_WITH_TIMEOUT(!G().View.FramBids.Visible, 5000);
        while (G().State.Played.Count < 6)
            TakeHint();
        QTRY_VERIFY_WITH_TIMEOUT(Action("MnuHint")->isEnabled(), 5000);
        Key(Qt::Key_H);
        Shot("hint.png");
        QTRY_VERIFY_WITH_TIMEOUT(Action("MnuLastTrick")->isEnabled(), 5000);

        // Through the menu, on the last finished trick.
        Action("MnuLastTrick")->trigger();
        QVERIFY(Review()->isVisible());
        const int Last = G().State.Played.Count - 1;
        QCOMPARE(Review()->accessibleName().toStdString(), ReviewCaption(G().State, Last));
        QVERIFY(Review()->accessibleDescription().contains(QStringLiteral("Rodrick: ")));
        QVERIFY(!Action("MnuHint")->isEnabled());
        Shot("review-mid-hand.png");
        const std::string Status = G().View.StatusPanel2;
        QTest::qWait(400);
        QCOMPARE(G().View.StatusPanel2, Status);

        // The arrow keys and the arrows on the felt step; a click elsewhere closes.
        Key(Qt::Key_Left);
        QCOMPARE(Review()->accessibleName().toStdString(), ReviewCaption(G().State, Last - 1));
        QTest::mouseClick(Review(), Qt::LeftButton, {}, Review()->OnArrow().center());
        QCOMPARE(Review()->accessibleName().toStdString(), ReviewCaption(G().State, Last));
        QTest::mouseClick(Review(), Qt::LeftButton, {}, Review()->BackArrow().center());
        QCOMPARE(Review()->accessibleName().toStdString(), ReviewCaption(G().State, Last - 1));
        QTest::mouseClick(Review(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!Review()->isVisible());
        QVERIFY(!Reviewing(G()));

        // The L key opens and closes it; Escape closes it.
        Key(Qt::Key_L);
        QVERIFY(Review()->isVisible());
        Key(Qt::Key_L);
        QVERIFY(!Review()->isVisible());
        Key(Qt::Key_L);
        Key(Qt::Key_Escape);
        QVERIFY(!Review()->isVisible());

        // A click on a row of tricks won.
        for (const char* Row : {"ImgBackP1", "ImgBackWest1", "ImgBackNorth1", "ImgBackEast1"}) {
            QWidget* Pile = Find(QString::fromLatin1(Row));
            if (!Pile->isVisible()) continue;
            QTest::mouseClick(Pile, Qt::LeftButton, {}, Pile->rect().center());
            QVERIFY(Review()->isVisible());
            Key(Qt::Key_Escape);
            break;
        }
        QVERIFY(!Review()->isVisible());

        // The game goes on: the rest of the hand by hints, then all thirteen tricks at its end.
        while (!G().View.FramResults.Visible) {
            QTRY_VERIFY_WITH_TIMEOUT(Action("MnuHint")->isEnabled() || G().View.FramResults.Visible, 10000);
            if (!G().View.FramResults.Visible) TakeHint();
        }
        QCOMPARE(G().State.Played.Count, 13);
        Key(Qt::Key_L);
        QCOMPARE(Review()->accessibleName().toStdString(), ReviewCaption(G().State, 12));
        Shot("review-hand-end.png");
        for (int I = 0; I < 13; ++I)
            Key(Qt::Key_Left);
        QCOMPARE(Review()->accessibleName().toStdString(), ReviewCaption(G().State, 0));
        Key(Qt::Key_Escape);
        QVERIFY(Find(QStringLiteral("FramResults"))->isVisible());
    }
};

QTEST_MAIN(ReviewWindowTest)
#include "ReviewWindowTest.moc"
