// The real table window, offscreen: what a player sees after start-up, the target commands, and
// a first hand started with F2 up to the human's bid.

#include "gui/FrmTable.h"
#include "gui/TableWidgets.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <memory>

using namespace tarnwick;

class TableWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> Records;
    std::unique_ptr<FrmTable> Table;

    template <class T = QWidget> T* Find(const char* Name) {
        T* Found = Table->findChild<T*>(QString::fromLatin1(Name));
        if (!Found) qFatal("no %s on the table", Name);
        return Found;
    }
    QString Text(const char* Name) { return Find<QLabel>(Name)->text(); }
    bool StartedUp() { return Text("StatusPanel2") == QStringLiteral("Press F2 for new game or go to Game menu!"); }

private slots:
    void init() {
        Records = std::make_unique<QTemporaryDir>();
        std::ofstream(QDir(Records->path()).filePath(QStringLiteral("Name.dat")).toStdString(), std::ios::binary)
            << "\"Ann, of Tarn\",2,0,1,0\r\n";
        std::ofstream(QDir(Records->path()).filePath(QStringLiteral("Money.dat")).toStdString(), std::ios::binary)
            << "-350,150,0,200\r\n";
        Table = std::make_unique<FrmTable>(QStringLiteral(TARNWICK_ASSETS), Records->path().toStdString(), 7);
        Table->Start();
        QVERIFY(QTest::qWaitForWindowExposed(Table.get()));
    }

    void cleanup() {
        Table.reset();
        Records.reset();
    }

    void startUpLaysThePackOnTheTable() {
        // The pack appears only when the riffle sound has had its half second.
        QVERIFY(!Find("Cds1")->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(StartedUp(), 5000);

        QCOMPARE(Table->windowTitle(), QStringLiteral("Tarnwick"));
        QCOMPARE(Find("Table")->size(), QSize(1048, 888));
        QVERIFY(Find("Shape1")->isVisible());
        QCOMPARE(Find("Shape1")->geometry(), QRect(240, 220, 461, 321));
        for (int K = 1; K <= 52; ++K) {
            QWidget* Card = Find(QStringLiteral("Cds%1").arg(K).toLatin1().constData());
            QVERIFY(Card->isVisible());
            QCOMPARE(Card->pos(), QPoint(Px(5040 + 2 * (K - 1)), Px(3720 - 2 * (K - 1))));
            QCOMPARE(Card->size(), QSize(71, 96));
        }
        // Card 52 lies on top of the pile.
        QCOMPARE(Find("Table")->childAt(QPoint(Px(5142) + 60, Px(3618) + 5)), Find("Cds52"));

        QCOMPARE(Text("StatusPanel1"), QStringLiteral("Hand Number"));
        QCOMPARE(Text("LblToWin"), QStringLiteral("300"));
        QCOMPARE(Text("LblRounds"), QStringLiteral("0"));
        QCOMPARE(Text("LblScore0"), QStringLiteral("0"));
        QCOMPARE(Text("LblBags3"), QStringLiteral("0"));
        QCOMPARE(Text("LblBid0"), QString());
        QCOMPARE(Text("Lblmade2"), QString());
        for (const char* Name : {"LblName", "LblPlayer", "LblPMoney"}) QCOMPARE(Text(Name), QStringLiteral("Ann, of Tarn"));
        QCOMPARE(Text("LblWestName"), QStringLiteral("Rodrick"));
        QCOMPARE(Text("LblNorthName"), QStringLiteral("Desmond"));
        QCOMPARE(Text("LblBeatrix"), QStringLiteral("Beatrix"));
        QCOMPARE(Text("LblMoney0"), QStringLiteral("$ -3.5"));
        QCOMPARE(Text("LblMoney1"), QStringLiteral("$ 1.5"));
        QCOMPARE(Text("Lblwins0"), QStringLiteral("2"));

        for (const char* Hidden : {"FramBids", "FramResults", "FramMoney", "ImgBackP1", "ImgBackEast13"})
            QVERIFY2(!Find(Hidden)->isVisible(), Hidden);
        // What a screen reader hears.
        QCOMPARE(Find("LblScore1")->accessibleName(), QStringLiteral("Rodrick's score: 0"));
        QCOMPARE(Find("Cds52")->accessibleName(), QStringLiteral("Card, face down"));
        QCOMPARE(Find("FramScores")->accessibleName(), QStringLiteral("Scores"));
        QVERIFY(Find("FramScores")->isVisible());
        QCOMPARE(Find("FramScores")->geometry(), QRect(890, 20, 151, 651));
    }

    void toolTipsExplainTheScorePanel() {
        QCOMPARE(Find("LblBid1")->toolTip(), QStringLiteral("Rodrick's Bid"));
        QCOMPARE(Find("Lblmade0")->toolTip(), QStringLiteral("The Number tricks you have made"));
        QCOMPARE(Find("LblScore3")->toolTip(), QStringLiteral("Beatrix's Score"));
        QCOMPARE(Find("LblBags2")->toolTip(), QStringLiteral("Number overtricks Desmond"));
        QCOMPARE(Find("LblRounds")->toolTip(), QStringLiteral("Number Hands to play"));
        QCOMPARE(Find("LblToWin")->toolTip(), QStringLiteral("Score needed to win"));
        QCOMPARE(Find("StatusPanel1")->toolTip(), QStringLiteral("This show which hand number you are on"));
        QCOMPARE(Find("StatusPanel2")->toolTip(),
                 QStringLiteral("This panel will give general comments and instructions"));
        QCOMPARE(Find("LblBids1")->toolTip(), QStringLiteral("Click to make 1 trick"));
        QCOMPARE(Find("LblBids0")->toolTip(), QStringLiteral("Click to make 0 tricks"));
    }

    void targetCommandsChangeTheScoreToWinAtOnce() {
        QTRY_VERIFY_WITH_TIMEOUT(StartedUp(), 5000);
        for (const auto& [Item, Shown] : {std::pair{"Mnu100", "100"}, {"Mnu200", "200"}, {"Mnu300", "300"}}) {
            QAction* Command = Find<QAction>(Item);
            QVERIFY(Command->isEnabled());
            Command->trigger();
            QCOMPARE(Text("LblToWin"), QString::fromLatin1(Shown));
        }
        QCOMPARE(Find<QMenu>("MnuTargetchange")->title(), QStringLiteral("Change Target Score"));
        QCOMPARE(Find<QAction>("Mnu200")->text(), QStringLiteral("200 -Medium quick"));
        QCOMPARE(Text("LblRounds"), QStringLiteral("0"));
    }

    void f2DealsAndTheHumanBids() {
        QTRY_VERIFY_WITH_TIMEOUT(StartedUp(), 5000);
        Table->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Table.get()));
        QTest::keyClick(Table.get(), Qt::Key_F2);
        QTRY_COMPARE_WITH_TIMEOUT(Text("StatusPanel1"), QStringLiteral("Hand  Number 1"), 2000);

        // The menus rest while the cards fly.
        QTRY_VERIFY_WITH_TIMEOUT(!Find<QMenu>("MnuGame")->menuAction()->isEnabled(), 3000);
        QVERIFY(!Find<QMenu>("MnuOptions")->menuAction()->isEnabled());

        QTRY_VERIFY_WITH_TIMEOUT(Find("FramBids")->isVisible(), 15000);
        QVERIFY(Find<QMenu>("MnuGame")->menuAction()->isEnabled());
        QCOMPARE(Text("StatusPanel2"),
                 QStringLiteral("Ann, of Tarn click a number above for how many tricks you will make."));
        // The human's hand lies face up along the bottom, thirteen cards from Left 3500 twips.
        int InHand = 0;
        const QRegularExpression Spoken(QStringLiteral("^(Two|Three|Four|Five|Six|Seven|Eight|Nine|Ten|Jack|Queen|"
                                                       "King|Ace) of (Diamonds|Clubs|Hearts|Spades)$"));
        for (int K = 1; K <= 52; ++K) {
            QWidget* Card = Find(QStringLiteral("Cds%1").arg(K).toLatin1().constData());
            if (Card->y() != Px(6600)) continue;
            ++InHand;
            QVERIFY2(Spoken.match(Card->accessibleName()).hasMatch(), qPrintable(Card->accessibleName()));
        }
        QCOMPARE(InHand, 13);

        QWidget* Three = Find("LblBids3");
        QTest::mouseClick(Three, Qt::LeftButton, {}, Three->rect().center());
        QTRY_VERIFY_WITH_TIMEOUT(!Find("FramBids")->isVisible(), 2000);
        QTRY_COMPARE_WITH_TIMEOUT(Text("LblBid0"), QStringLiteral("3"), 2000);
        QCOMPARE(Text("LblName"), QStringLiteral("Ann, of Tarn has bid 3"));
    }

    void closingWhileTheBidIsAwaitedEndsCleanly() {
        QTRY_VERIFY_WITH_TIMEOUT(StartedUp(), 5000);
        Find<QAction>("MnuNew")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(Find("FramBids")->isVisible(), 15000);
        Table->close();
        Table.reset();
        // Nothing of the abandoned hand may run once the window has gone.
        QTest::qWait(1000);
    }
};

QTEST_MAIN(TableWindowTest)
#include "TableWindowTest.moc"
