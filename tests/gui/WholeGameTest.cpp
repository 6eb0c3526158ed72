// SPDX-License-Identifier: GPL-3.0-or-later
// A game at the real table window, offscreen and in virtual time, played by a scripted human who
// only clicks, presses keys and picks menu commands as a player would: the question that guards a
// game in progress and holds the table, the way out of the program, and closing mid-game.

#include "TableUnderTest.h"
#include "gui/TableWidgets.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QWindow>

#include <algorithm>
#include <memory>
#include <vector>

using namespace tarnwick;
using tarnwick::test::TableUnderTest;

namespace {

const QString YourTurn = QStringLiteral("please click on card you wish to play.");
const QString TryAgain = QStringLiteral(" Sorry, you cannot play that card. Try again please");
const int SouthRow = Px(6600);

QByteArray ReadAll(const QString& Path) {
    QFile File(Path);
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
}

} // namespace

class WholeGameTest : public QObject, public TableUnderTest {
    Q_OBJECT

private:
    QString RecordsFile(const char* Name) const {
        return QDir(Records->path()).filePath(QString::fromLatin1(Name));
    }

    bool Shown(const QString& Name) { return Find(Name)->isVisible(); }
    bool BoxOpen() { return Shown(QStringLiteral("MFormDeluxe")); }
    bool HumansTurn() { return Status().endsWith(YourTurn) || Status().endsWith(TryAgain); }

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

    // Every card where it lies, the hand number and the scores.
    QStringList Snapshot() {
        QStringList Shown = {Text(QStringLiteral("StatusPanel1"))};
        for (int Seat = 0; Seat < 4; ++Seat)
            Shown << Text(QStringLiteral("LblScore%1").arg(Seat));
        for (int K = 1; K <= 52; ++K) {
            QWidget* Card = Find(QStringLiteral("Cds%1").arg(K));
            Shown << QStringLiteral("%1 %2,%3").arg(Card->isVisible()).arg(Card->x()).arg(Card->y());
        }
        return Shown;
    }

private slots:
    void init() { NewRecords(); }
    void cleanup() { CloseTable(); }

    // The question holds the table: nothing moves behind it, and after No the same hand goes on.
    void f2InTheMiddleOfAGameAsksFirst() {
        OpenTable(5);
        PressF2();
        QVERIFY(PlayUntil([this] {
            return SouthHand().size() == 12 && Table->GameAtTable().Flow.AwaitingHuman(HumanWait::Card) &&
                   HumansTurn() && !BoxOpen();
        }));
        const QStringList Before = Snapshot();
        PressF2();
        QTRY_VERIFY_WITH_TIMEOUT(BoxOpen(), 2000);
        QTest::qWait(50);
        QCOMPARE(Snapshot(), Before);
        Click(QStringLiteral("Label1_1"));
        QVERIFY(!BoxOpen());
        QTest::qWait(50);
        QCOMPARE(Snapshot(), Before);
        QVERIFY(HumansTurn());
        PlayACard();
        QTRY_COMPARE_WITH_TIMEOUT(SouthHand().size(), size_t(11), 2000);

        // Yes deals a new game: the bids are asked for again.
        PressF2();
        QTRY_VERIFY_WITH_TIMEOUT(BoxOpen(), 2000);
        Click(QStringLiteral("Label1_0"));
        QVERIFY(PlayUntil([this] { return Shown(QStringLiteral("FramBids")); }));
        QCOMPARE(Text(QStringLiteral("StatusPanel1")), QStringLiteral("Hand  Number 1"));
    }

    void exitOutsideAGameSavesTheRecordsOnlyWhenConfirmed() {
        // Records as a hand-edited file might hold them, to see them written back in full.
        const QByteArray OldNames = "Ann,2,0,1,0", OldMoney = " -350, 150,0,200";
        for (const auto& [Name, Bytes] : {std::pair{"Name.dat", OldNames}, {"Money.dat", OldMoney}}) {
            QFile File(RecordsFile(Name));
            QVERIFY(File.open(QIODevice::WriteOnly) && File.write(Bytes) == Bytes.size());
        }
        OpenTable(3);
        QAction* Exit = Find<QAction>(QStringLiteral("MnuExit"));

        Exit->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(BoxOpen(), 2000);
        Click(QStringLiteral("Label1_1"));
        QTest::qWait(50);
        QVERIFY(!BoxOpen());
        QVERIFY(Table->isVisible());
        QCOMPARE(ReadAll(RecordsFile("Name.dat")), OldNames);
        QCOMPARE(ReadAll(RecordsFile("Money.dat")), OldMoney);

        Exit->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(BoxOpen(), 2000);
        Click(QStringLiteral("Label1_0"));
        QTRY_VERIFY_WITH_TIMEOUT(!Table->isVisible(), 2000);
        QCOMPARE(ReadAll(RecordsFile("Name.dat")), QByteArray("\"Ann\",2,0,1,0\r\n"));
        QCOMPARE(ReadAll(RecordsFile("Money.dat")), QByteArray("-350,150,0,200\r\n"));
    }

    // Closing the window while the question of a new game is open leaves nothing behind that
    // could still run.
    void closingInTheMiddleOfAGameEndsCleanly() {
        OpenTable(7);
        PressF2();
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
