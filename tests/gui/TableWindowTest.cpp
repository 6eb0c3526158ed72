// SPDX-License-Identifier: GPL-3.0-or-later
// The real table window, offscreen: what a player sees after start-up, the target commands, and
// a first hand started with F2 up to the human's bid.

#include "TableUnderTest.h"
#include "flow/Pacing.h"
#include "flow/Sweep.h"
#include "gui/TableWidgets.h"

#include <QAction>
#include <QMenu>

#include <fstream>

using namespace tarnwick;
using tarnwick::test::TableUnderTest;

class TableWindowTest : public QObject, public TableUnderTest {
    Q_OBJECT

private slots:
    // Ann's records, and the table in real time.
    void init() {
        NewRecords();
        std::ofstream(QDir(Records->path()).filePath(QStringLiteral("Name.dat")).toStdString(),
                      std::ios::binary)
            << "\"Ann, of Tarn\",2,0,1,0\r\n";
        std::ofstream(QDir(Records->path()).filePath(QStringLiteral("Money.dat")).toStdString(),
                      std::ios::binary)
            << "-350,150,0,200\r\n";
        Open(7, nullptr, nullptr);
    }

    void cleanup() { CloseTable(); }

    void startUpLaysThePackAndTheRecordsOnTheTable() {
        // The pack appears only when the riffle sound has had its half second.
        QVERIFY(!Find("Cds1")->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(StartedUp(), 5000);
        QCOMPARE(Table->windowTitle(), QStringLiteral("Tarnwick"));
        // The pack lies with its last card on top where the cards overlap.
        QCOMPARE(Find("Table")->childAt(QPoint(Px(5142) + 60, Px(3618) + 5)), Find("Cds52"));

        // The records reach the table and the hidden money frame, the target the score panel.
        for (const auto& [Name, Shown] :
             {std::pair{"LblName", "Ann, of Tarn"}, {"LblToWin", "300"}, {"LblMoney0", "$ -3.5"}})
            QCOMPARE(Text(Name), QString::fromLatin1(Shown));
        for (const char* Hidden : {"FramBids", "FramResults", "FramMoney", "ImgBackP1", "ImgBackEast13"})
            QVERIFY2(!Find(Hidden)->isVisible(), Hidden);
        // What a screen reader hears.
        QCOMPARE(Find("LblScore1")->accessibleName(), QStringLiteral("Rodrick's score: 0"));
        QCOMPARE(Find("Cds52")->accessibleName(), QStringLiteral("Card, face down"));
        QCOMPARE(Find("FramScores")->accessibleName(), QStringLiteral("Scores"));

        // The model's tips reach the table's labels, its frames' labels and the status bar.
        for (const auto& [Name, Tip] :
             {std::pair{"LblToWin", "Score needed to win"},
              {"LblBags2", "Number overtricks Desmond"},
              {"LblBids1", "Click to make 1 trick"},
              {"StatusPanel1", "This show which hand number you are on"},
              {"StatusPanel2", "This panel will give general comments and instructions"}})
            QCOMPARE(Find(Name)->toolTip(), QString::fromLatin1(Tip));
        // The target commands change the score to win at once.
        for (const auto& [Item, Shown] : {std::pair{"Mnu100", "100"}, {"Mnu200", "200"}, {"Mnu300", "300"}}) {
            Find<QAction>(Item)->trigger();
            QCOMPARE(Text("LblToWin"), QString::fromLatin1(Shown));
        }
        QCOMPARE(Find<QAction>("Mnu200")->text(), QStringLiteral("200 -Medium quick"));
    }

    void f2DealsTheHumanBidsAndClosingEndsCleanly() {
        QTRY_VERIFY_WITH_TIMEOUT(StartedUp(), 5000);
        Table->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Table.get()));
        QTest::keyClick(Table.get(), Qt::Key_F2);
        QTRY_COMPARE_WITH_TIMEOUT(Text("StatusPanel1"), QStringLiteral("Hand  Number 1"), 2000);
        // The menus and their shortcuts rest while the cards fly.
        QTRY_VERIFY_WITH_TIMEOUT(!Find<QMenu>("MnuGame")->menuAction()->isEnabled(), 3000);
        QVERIFY(!Find<QAction>("MnuNew")->isEnabled());
        QVERIFY(!Find<QMenu>("MnuOptions")->menuAction()->isEnabled());

        QTRY_VERIFY_WITH_TIMEOUT(Find("FramBids")->isVisible(), 15000);
        QVERIFY(Find<QMenu>("MnuGame")->menuAction()->isEnabled());
        QCOMPARE(Text("StatusPanel2"),
                 QStringLiteral("Ann, of Tarn click a number above for how many tricks you will make."));
        QWidget* Three = Find("LblBids3");
        QTest::mouseClick(Three, Qt::LeftButton, {}, Three->rect().center());
        QTRY_COMPARE_WITH_TIMEOUT(Text("LblName"), QStringLiteral("Ann, of Tarn has bid 3"), 2000);
        QVERIFY(!Find("FramBids")->isVisible());
        QCOMPARE(Text("LblBid0"), QStringLiteral("3"));
        // Nothing of the abandoned hand may run once the window has gone.
        Table->close();
        Table.reset();
        QTest::qWait(1000);
    }

    // The last card of a trick won by Beatrix lands over the edge of the score panel, in front of
    // it; the cards played to a trick stay behind the panels.
    void theCardSweptToBeatrixLiesInFrontOfTheScorePanel() {
        QTRY_VERIFY_WITH_TIMEOUT(StartedUp(), 5000);
        Game& G = Table->GameAtTable();
        GameState& S = G.State;
        S.Leader = Human;
        S.PlayedCard = {1, 2, 3, 4};
        S.TricksWon[East] = 1;
        // The sweep is held at each of its pauses, so the card is seen where it lands before it goes.
        G.Flow.Run(JustMoveCardsOut(G, East));
        G.Flow.Hold();
        QTest::qWait(Pauses::Trick + 200);
        G.Flow.Release();
        G.Flow.Hold();
        QWidget* Swept = Find("Cds4");
        const QPoint Landed(Px(10080), Px(3360));
        QVERIFY(Swept->isVisible());
        QCOMPARE(Swept->pos(), Landed);
        QCOMPARE(Find("Table")->childAt(QPoint(Px(10800), Px(3500))), Swept);

        G.Flow.Abandon();
        G.Flow.Release();
        QVERIFY(!G.View.FramMoney.Visible);
        Find<QAction>("mnuFunmun")->trigger();
        // The statistics open over the pack.
        QVERIFY(Find("FramMoney")->isAncestorOf(Find("Table")->childAt(QPoint(Px(5100), Px(3700)))));
    }
};

QTEST_MAIN(TableWindowTest)
#include "TableWindowTest.moc"
