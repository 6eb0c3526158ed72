// Whole games at the real table window, offscreen and in virtual time: a scripted human who only
// clicks, presses keys and picks menu commands as a player would, from the first F2 to the end of
// the game, plus the questions that guard a game in progress and the way out of the program.

#include "gui/FrmTable.h"
#include "gui/QtClock.h"
#include "gui/TableWidgets.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <memory>
#include <vector>

using namespace tarnwick;

namespace {

const QString NewGamePrompt = QStringLiteral("Press F2 for a new game or Ctrl + x to exit.");
const QString YourTurn = QStringLiteral("please click on card you wish to play.");
const QString TryAgain = QStringLiteral(" Sorry, you cannot play that card. Try again please");
const int SouthRow = Px(6600);

QByteArray ReadAll(const QString& Path) {
    QFile File(Path);
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
}

void Write(const QString& Path, const QByteArray& Bytes) {
    QFile File(Path);
    QVERIFY(File.open(QIODevice::WriteOnly));
    File.write(Bytes);
}

// The numbers of a one-line records file, which must end in CR LF and hold no other line end.
std::vector<int> Numbers(const QByteArray& Line) {
    if (!Line.endsWith("\r\n") || Line.count('\n') != 1 || Line.count('\r') != 1) return {};
    std::vector<int> Values;
    for (const QByteArray& Field : Line.chopped(2).split(','))
        if (!Field.startsWith('"')) Values.push_back(Field.toInt());
    return Values;
}

} // namespace

class WholeGameTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> Records;
    std::unique_ptr<FrmTable> Table;
    // What the results frame showed each time it waited for Continue.
    std::vector<QStringList> ResultsSeen;

    QString RecordsFile(const char* Name) const {
        return QDir(Records->path()).filePath(QString::fromLatin1(Name));
    }

    void OpenTable(uint64_t Seed) {
        Table = std::make_unique<FrmTable>(QStringLiteral(TARNWICK_ASSETS), Records->path().toStdString(),
                                           Seed, std::make_unique<QtVirtualClock>());
        Table->Start();
        QVERIFY(QTest::qWaitForWindowExposed(Table.get()));
        QTRY_COMPARE_WITH_TIMEOUT(Status(), QStringLiteral("Press F2 for new game or go to Game menu!"),
                                  5000);
    }

    template <class T = QWidget> T* Find(const QString& Name) {
        T* Found = Table->findChild<T*>(Name);
        if (!Found) qFatal("no %s on the table", qPrintable(Name));
        return Found;
    }
    QString Text(const QString& Name) { return Find<QLabel>(Name)->text(); }
    QString Status() { return Text(QStringLiteral("StatusPanel2")); }
    bool Shown(const QString& Name) { return Find(Name)->isVisible(); }
    bool BoxOpen() { return Shown(QStringLiteral("MFormDeluxe")); }
    bool HumansTurn() { return Status().endsWith(YourTurn) || Status().endsWith(TryAgain); }
    bool GameOver() {
        return !BoxOpen() &&
               (Status() == NewGamePrompt || Status().endsWith(QStringLiteral(" The game is over.")));
    }

    void Click(const QString& Name) {
        QWidget* Target = Find(Name);
        QTest::mouseClick(Target, Qt::LeftButton, {}, Target->rect().center());
    }
    // The player brings the table to the front first. Offscreen no window manager hands the focus
    // back once the message box has gone, and the table's own window even counts as active while
    // its hidden box holds the focus, so the request goes straight to that window and the wait is
    // for the table widget itself to become the active window.
    void PressF2() {
        Table->windowHandle()->requestActivate();
        QTRY_VERIFY_WITH_TIMEOUT(Table->isActiveWindow(), 2000);
        QTest::keyClick(Table.get(), Qt::Key_F2);
    }

    std::vector<QWidget*> SouthHand() {
        std::vector<QWidget*> Hand;
        for (int K = 1; K <= 52; ++K) {
            QWidget* Card = Find(QStringLiteral("Cds%1").arg(K));
            if (Card->isVisible() && Card->y() == SouthRow) Hand.push_back(Card);
        }
        std::sort(Hand.begin(), Hand.end(), [](QWidget* A, QWidget* B) { return A->x() < B->x(); });
        return Hand;
    }

    // Clicks the cards of the hand from the left, each on its uncovered edge, until one leaves the
    // hand. A click after the card has been taken is ignored by the table, so a slow answer is
    // harmless.
    void PlayACard() {
        for (QWidget* Card : SouthHand()) {
            QTest::mouseClick(Card, Qt::LeftButton, {}, QPoint(4, Card->height() / 2));
            QCoreApplication::processEvents();
            if (!Card->isVisible() || Card->y() != SouthRow) return;
        }
    }

    // One move of the scripted human, answering whatever the table shows, if anything waits for
    // the human at all.
    void HumanMove() {
        if (BoxOpen()) {
            Click(QStringLiteral("Label1_0"));
        } else if (Shown(QStringLiteral("FramResults"))) {
            QStringList Texts;
            for (const char* Name : {"TxtPlayer", "TxtRodrick", "TxtDesmond", "TxtBeatrix"})
                Texts << Text(QString::fromLatin1(Name));
            ResultsSeen.push_back(Texts);
            Click(QStringLiteral("CmdClose"));
        } else if (Shown(QStringLiteral("FramBids"))) {
            Click(QStringLiteral("LblBids1"));
        } else if (HumansTurn()) {
            PlayACard();
        }
    }

    // Plays on as the scripted human until Done holds or the time runs out.
    template <class Predicate> bool PlayUntil(Predicate Done, int TimeoutMs = 60000) {
        QElapsedTimer Since;
        Since.start();
        while (!Done()) {
            if (Since.elapsed() > TimeoutMs) return false;
            HumanMove();
            QCoreApplication::processEvents();
        }
        return true;
    }

    struct TableSnapshot {
        std::vector<std::pair<bool, QPoint>> Cards;
        QString HandNumber;
        QStringList Scores;
        bool operator==(const TableSnapshot&) const = default;
    };
    TableSnapshot Snapshot() {
        TableSnapshot S;
        for (int K = 1; K <= 52; ++K) {
            QWidget* Card = Find(QStringLiteral("Cds%1").arg(K));
            S.Cards.emplace_back(Card->isVisible(), Card->pos());
        }
        S.HandNumber = Text(QStringLiteral("StatusPanel1"));
        for (int Seat = 0; Seat < 4; ++Seat)
            S.Scores << Text(QStringLiteral("LblScore%1").arg(Seat));
        return S;
    }

private slots:
    void init() {
        Records = std::make_unique<QTemporaryDir>();
        QVERIFY(Records->isValid());
        ResultsSeen.clear();
    }

    void cleanup() {
        Table.reset();
        QTest::qWait(10);
        Records.reset();
    }

    void aWholeGameToOneHundredIsPlayedToItsEnd() {
        OpenTable(11);
        Find<QAction>(QStringLiteral("Mnu100"))->trigger();
        QCOMPARE(Text(QStringLiteral("LblToWin")), QStringLiteral("100"));
        QElapsedTimer Took;
        Took.start();
        PressF2();
        QVERIFY(PlayUntil([this] { return GameOver(); }));
        qInfo("game over after %zu hands in %lld ms: %s", ResultsSeen.size(), Took.elapsed(),
              qPrintable(Status()));

        QVERIFY(!ResultsSeen.empty());
        for (const QStringList& Texts : ResultsSeen) {
            QVERIFY2(Texts[0].startsWith(QStringLiteral("Player you scored ")), qPrintable(Texts[0]));
            QVERIFY2(Texts[1].startsWith(QStringLiteral("Rodrick scored ")), qPrintable(Texts[1]));
            QVERIFY2(Texts[2].startsWith(QStringLiteral("Desmond scored ")), qPrintable(Texts[2]));
            QVERIFY2(Texts[3].startsWith(QStringLiteral("Beatrix scored ")), qPrintable(Texts[3]));
        }

        const QByteArray Money = ReadAll(RecordsFile("Money.dat")), Names = ReadAll(RecordsFile("Name.dat"));
        if (Status() != NewGamePrompt) {
            // Nobody came out on top: nothing was settled.
            QVERIFY(Money.isEmpty());
            return;
        }
        const std::vector<int> Balances = Numbers(Money), Wins = Numbers(Names);
        QCOMPARE(Balances.size(), size_t{4});
        QCOMPARE(Wins.size(), size_t{4});
        QVERIFY(Names.startsWith("\"Player\","));
        QCOMPARE(Balances[0] + Balances[1] + Balances[2] + Balances[3], 0);
        QVERIFY(std::any_of(Balances.begin(), Balances.end(), [](int Cents) { return Cents != 0; }));
        QCOMPARE(Wins[0] + Wins[1] + Wins[2] + Wins[3], 1);
    }

    void f2InTheMiddleOfAGameAsksFirst() {
        OpenTable(5);
        PressF2();
        QVERIFY(PlayUntil([this] {
            return Text(QStringLiteral("StatusPanel1")) == QStringLiteral("Hand  Number 2") && HumansTurn() &&
                   !BoxOpen();
        }));
        const TableSnapshot Before = Snapshot();
        QVERIFY(std::any_of(Before.Scores.begin(), Before.Scores.end(),
                            [](const QString& S) { return S != QStringLiteral("0"); }));

        PressF2();
        QTRY_VERIFY_WITH_TIMEOUT(BoxOpen(), 2000);
        QCOMPARE(Text(QStringLiteral("Label3")), QStringLiteral("   SEE YOU!"));
        QCOMPARE(Text(QStringLiteral("Label1_0")), QStringLiteral("Yes Please"));
        QCOMPARE(Text(QStringLiteral("Label1_1")), QStringLiteral("Ooops - No"));
        Click(QStringLiteral("Label1_1"));
        QVERIFY(!BoxOpen());
        QTest::qWait(50);
        QVERIFY(Snapshot() == Before);
        QVERIFY(HumansTurn());

        // The same hand goes on: the human's card is taken.
        const size_t Held = SouthHand().size();
        PlayACard();
        QTRY_COMPARE_WITH_TIMEOUT(SouthHand().size(), Held - 1, 2000);
        QCOMPARE(Text(QStringLiteral("StatusPanel1")), QStringLiteral("Hand  Number 2"));

        PressF2();
        QTRY_VERIFY_WITH_TIMEOUT(BoxOpen(), 2000);
        Click(QStringLiteral("Label1_0"));
        QTRY_COMPARE_WITH_TIMEOUT(Text(QStringLiteral("StatusPanel1")), QStringLiteral("Hand  Number 1"),
                                  5000);
        for (int Seat = 0; Seat < 4; ++Seat) {
            for (const char* Column : {"LblScore%1", "LblBags%1"}) {
                const QString Value = Text(QString::fromLatin1(Column).arg(Seat));
                QVERIFY2(Value.isEmpty() || Value == QStringLiteral("0"), qPrintable(Value));
            }
        }
        QVERIFY(PlayUntil([this] { return Shown(QStringLiteral("FramBids")); }));
        QCOMPARE(Text(QStringLiteral("StatusPanel1")), QStringLiteral("Hand  Number 1"));
    }

    void exitOutsideAGameSavesTheRecordsOnlyWhenConfirmed() {
        // Records as a hand-edited file might hold them, to see them written back in full.
        const QByteArray OldNames = "Ann,2,0,1,0", OldMoney = " -350, 150,0,200";
        Write(RecordsFile("Name.dat"), OldNames);
        Write(RecordsFile("Money.dat"), OldMoney);
        OpenTable(3);
        QAction* Exit = Find<QAction>(QStringLiteral("MnuExit"));

        Exit->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(BoxOpen(), 2000);
        QCOMPARE(Text(QStringLiteral("Label1_1")), QStringLiteral("Ooops - No"));
        Click(QStringLiteral("Label1_1"));
        QTest::qWait(50);
        QVERIFY(!BoxOpen());
        QVERIFY(Table->isVisible());
        QCOMPARE(ReadAll(RecordsFile("Name.dat")), OldNames);
        QCOMPARE(ReadAll(RecordsFile("Money.dat")), OldMoney);

        Exit->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(BoxOpen(), 2000);
        QCOMPARE(Text(QStringLiteral("Label1_0")), QStringLiteral("Yes Please"));
        Click(QStringLiteral("Label1_0"));
        QTRY_VERIFY_WITH_TIMEOUT(!Table->isVisible(), 2000);
        QCOMPARE(ReadAll(RecordsFile("Name.dat")), QByteArray("\"Ann\",2,0,1,0\r\n"));
        QCOMPARE(ReadAll(RecordsFile("Money.dat")), QByteArray("-350,150,0,200\r\n"));
    }

    void closingWhileTheResultsWaitEndsCleanly() {
        OpenTable(7);
        PressF2();
        QVERIFY(PlayUntil([this] { return Shown(QStringLiteral("FramResults")); }));
        Table->close();
        Table.reset();
        QTest::qWait(200);
    }

    void closingWhileTheMessageBoxIsOpenEndsCleanly() {
        OpenTable(7);
        PressF2();
        // The game counts as begun once every bid is in.
        QVERIFY(PlayUntil([this] { return HumansTurn(); }));
        PressF2();
        QTRY_VERIFY_WITH_TIMEOUT(BoxOpen(), 2000);
        Table->close();
        Table.reset();
        QTest::qWait(200);
    }
};

QTEST_MAIN(WholeGameTest)
#include "WholeGameTest.moc"
