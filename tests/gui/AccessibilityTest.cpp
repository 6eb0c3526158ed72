// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology finds at the real table, offscreen and in virtual time: every click
// the player makes offered as a Press action that runs the same click, the roles and names a
// screen reader reads, and every new status text sent out as a notification of the status bar.

#include "TableUnderTest.h"
#include "gui/TableWidgets.h"
#include "rules/HelpText.h"

#include <QAccessible>
#include <QAction>
#include <QElapsedTimer>
#include <QPointer>
#include <QRegularExpression>
#include <QStatusBar>
#include <QWindow>

#include <algorithm>
#include <memory>
#include <vector>

using namespace tarnwick;
using tarnwick::test::TableUnderTest;

namespace {

const QString YourTurn = QStringLiteral("please click on card you wish to play.");
const QString TryAgain = QStringLiteral(" Sorry, you cannot play that card. Try again please");

QAccessibleInterface* Of(QObject* Object) {
    QAccessibleInterface* Found = QAccessible::queryAccessibleInterface(Object);
    if (!Found) qFatal("no accessible interface for %s", qPrintable(Object->objectName()));
    return Found;
}

bool Pressable(QAccessibleInterface* Element) {
    return Element->actionInterface() &&
           Element->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction());
}

// Presses as assistive technology does, then lets the click run from the event loop.
void Press(QAccessibleInterface* Element) {
    QVERIFY(Pressable(Element));
    Element->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
}

std::vector<QAccessibleInterface*> Children(QAccessibleInterface* Parent) {
    std::vector<QAccessibleInterface*> Found;
    for (int K = 0; K < Parent->childCount(); ++K)
        Found.push_back(Parent->child(K));
    return Found;
}

} // namespace

class AccessibilityTest : public QObject, public TableUnderTest {
    Q_OBJECT

private:
    // Every announcement heard, and every text heard in them, in order.
    std::vector<QPointer<QObject>> Heard;
    QStringList Announced;
    // What the status panel showed at moments when the newest announcement said something else.
    QStringList Mismatches;

    QAccessibleInterface* Element(const QString& Name) { return Of(Find(Name)); }

    // The newest announcement, read as a screen reader reads a notification: its labels.
    QStringList LastAnnouncement() {
        QStringList Texts;
        for (QAccessibleInterface* Child : Children(Of(Table->statusBar())))
            if (Child->role() == QAccessible::Notification && !Child->state().invisible) {
                Texts.clear();
                for (QAccessibleInterface* Label : Children(Child))
                    Texts << Label->text(QAccessible::Name);
            }
        return Texts;
    }

    // Hears every announcement made since the last call, and checks that the newest one says
    // what the panels show now.
    void Listen() {
        for (QAccessibleInterface* Child : Children(Of(Table->statusBar()))) {
            if (Child->role() != QAccessible::Notification) continue;
            QObject* Said = Child->object();
            if (std::any_of(Heard.begin(), Heard.end(),
                            [Said](const QPointer<QObject>& Old) { return Old == Said; }))
                continue;
            Heard.emplace_back(Said);
            for (QAccessibleInterface* Label : Children(Child))
                Announced << Label->text(QAccessible::Name);
        }
        const QStringList Newest = LastAnnouncement();
        if (Newest.isEmpty() || Newest.back() != Status()) Mismatches << Status();
    }

    template <class Predicate> bool Until(Predicate Done, int TimeoutMs = 20000) {
        QElapsedTimer Since;
        Since.start();
        while (!Done()) {
            if (Since.elapsed() > TimeoutMs) return false;
            QCoreApplication::processEvents();
            Listen();
        }
        return true;
    }

    // The human's cards that offer their click, from the left as a fanned hand lies.
    std::vector<QAccessibleInterface*> Hand() {
        std::vector<QAccessibleInterface*> Cards;
        for (int K = 1; K <= 52; ++K) {
            QAccessibleInterface* Card = Element(QStringLiteral("Cds%1").arg(K));
            if (Pressable(Card)) Cards.push_back(Card);
        }
        std::sort(Cards.begin(), Cards.end(), [](QAccessibleInterface* A, QAccessibleInterface* B) {
            return A->rect().x() < B->rect().x();
        });
        return Cards;
    }

    bool HumansTurn() { return Status().endsWith(YourTurn) || Status().endsWith(TryAgain); }

    // Start-up is listened to as well.
    void OpenTable(uint64_t Seed) {
        Open(Seed);
        QVERIFY(Until([this] { return StartedUp(); }));
    }

    void StartAHand() {
        Find<QAction>(QStringLiteral("MnuNew"))->trigger();
        QVERIFY(Until([this] { return Pressable(Element(QStringLiteral("LblBids2"))); }));
    }

private slots:
    void init() {
        NewRecords();
        Heard.clear();
        Announced.clear();
        Mismatches.clear();
    }

    void cleanup() { CloseTable(); }

    void aWholeHandIsPlayedThroughPressActions() {
        OpenTable(11);
        StartAHand();
        // The bid labels are buttons named for their bid, described by their tip.
        for (const auto& [Index, Name] : {std::pair{0, "Nil"}, {1, "1"}, {13, "13"}}) {
            QAccessibleInterface* Bid = Element(QStringLiteral("LblBids%1").arg(Index));
            QCOMPARE(Bid->role(), QAccessible::Button);
            QCOMPARE(Bid->text(QAccessible::Name), QString::fromLatin1(Name));
            QCOMPARE(Bid->text(QAccessible::Description),
                     Find(QStringLiteral("LblBids%1").arg(Index))->toolTip());
        }
        // Only the cards of the south hand offer their click; every card is a picture named for its card.
        const std::vector<QAccessibleInterface*> Fanned = Hand();
        QCOMPARE(Fanned.size(), size_t(13));
        const QRegularExpression CardName(
            QStringLiteral("^(Two|Three|Four|Five|Six|Seven|Eight|Nine|Ten|Jack|"
                           "Queen|King|Ace) of (Diamonds|Clubs|Hearts|Spades)$"));
        for (QAccessibleInterface* Card : Fanned) {
            QCOMPARE(Card->role(), QAccessible::Graphic);
            QVERIFY2(CardName.match(Card->text(QAccessible::Name)).hasMatch(),
                     qPrintable(Card->text(QAccessible::Name)));
        }
        // Overlapped, a card tells where it can still be seen, so that a click there is a click on it.
        QVERIFY(Fanned.front()->rect().width() < Px(CardWidth));
        QCOMPARE(Fanned.back()->rect().width(), Px(CardWidth));

        Press(Element(QStringLiteral("LblBids2")));
        QVERIFY(Until([this] { return Text(QStringLiteral("LblBid0")) == QStringLiteral("2"); }));
        QVERIFY(!Pressable(Element(QStringLiteral("LblBids2"))));

        int Taken = 0, Refused = 0;
        while (Taken < 13) {
            QVERIFY(Until([this] { return HumansTurn() && !Table->GameAtTable().State.CardClickLock; }));
            const std::vector<QAccessibleInterface*> Cards = Hand();
            QCOMPARE(Cards.size(), size_t(13 - Taken));
            bool Played = false;
            for (QAccessibleInterface* Card : Cards) {
                // The press has run once the event loop has had its turn: a card taken locks
                // the hand at once, a card refused says so.
                Press(Card);
                if (Table->GameAtTable().State.CardClickLock) {
                    Played = true;
                    break;
                }
                QCOMPARE(Status(), QStringLiteral("Player") + TryAgain);
                ++Refused;
            }
            QVERIFY(Played);
            ++Taken;
            // The card leaves the hand as the game takes it up.
            QVERIFY(Until([&] { return Hand().size() == size_t(13 - Taken); }));
        }
        QVERIFY(Until([this] { return Pressable(Element(QStringLiteral("CmdClose"))); }));
        QCOMPARE(Element(QStringLiteral("CmdClose"))->text(QAccessible::Name), QStringLiteral("Continue"));

        // One picture for each seat's tricks, the one that counts them; the rows' other
        // pictures are not listed.
        QStringList Piles;
        for (QAccessibleInterface* Child : Children(Element(QStringLiteral("Table")))) {
            const QString Object = Child->object()->objectName();
            QVERIFY2(!Object.contains(QRegularExpression(QStringLiteral("^ImgBack.*([2-9]|1[0-3])$"))),
                     qPrintable(Object));
            if (Child->text(QAccessible::Name).contains(QStringLiteral(" tricks: ")))
                Piles << Child->text(QAccessible::Name);
        }
        QCOMPARE(Piles.size(), 4);

        Press(Element(QStringLiteral("CmdClose")));
        QVERIFY(Until(
            [this] { return Text(QStringLiteral("StatusPanel1")) == QStringLiteral("Hand  Number 2"); }));
        QCOMPARE(LastAnnouncement().first(), QStringLiteral("Hand  Number 2"));

        // Every text was announced as it was shown, each one new, a refusal included.
        QCOMPARE(Mismatches, QStringList());
        for (qsizetype K = 1; K < Announced.size(); ++K)
            QVERIFY2(Announced[K] != Announced[K - 1], qPrintable(Announced[K]));
        QCOMPARE(Refused > 0, Announced.contains(QStringLiteral("Player") + TryAgain));
    }

    void theMessageBoxIsADialogOfButtonsAndHoldsTheTable() {
        OpenTable(5);
        StartAHand();
        Press(Element(QStringLiteral("LblBids1")));
        QVERIFY(Until([this] { return HumansTurn(); }));
        QCOMPARE(Hand().size(), size_t(13));

        Find<QAction>(QStringLiteral("MnuNew"))->trigger();
        QVERIFY(Until([this] { return Find(QStringLiteral("MFormDeluxe"))->isVisible(); }));
        QAccessibleInterface* Box = Element(QStringLiteral("MFormDeluxe"));
        QCOMPARE(Box->role(), QAccessible::Dialog);
        QCOMPARE(Box->text(QAccessible::Name), QStringLiteral("SEE YOU!"));
        QCOMPARE(Box->text(QAccessible::Description),
                 QStringLiteral(
                     "Player You are in the middle of a game, are you sure you wish to start a new game?."));
        // As with the mouse, nothing at the table can be pressed while the box waits.
        QVERIFY(Hand().empty());
        QAccessibleInterface* No = Element(QStringLiteral("Label1_1"));
        QCOMPARE(No->role(), QAccessible::Button);
        QCOMPARE(No->text(QAccessible::Name), QStringLiteral("Ooops - No"));
        QVERIFY(!Pressable(Element(QStringLiteral("Label1_2"))));
        // The title strip, the message and the picture are the dialog's name and description, so
        // they are not listed again: only the button panels are.
        for (QAccessibleInterface* Part : Children(Box))
            QVERIFY2(Part->object()->objectName().startsWith(QStringLiteral("Pic1_")),
                     qPrintable(Part->object()->objectName()));
        QCOMPARE(Children(Box).size(), size_t(3));

        Press(No);
        QVERIFY(Until([this] { return !Find(QStringLiteral("MFormDeluxe"))->isVisible(); }));
        QCOMPARE(Hand().size(), size_t(13));
        QVERIFY(HumansTurn());
    }

    void theHelpWindowsLinesAreText() {
        OpenTable(3);
        Find<QAction>(QStringLiteral("MnuMain"))->trigger();
        QWidget* Help = Table->findChild<QWidget*>(QStringLiteral("FrmHelp"));
        QVERIFY(Help && QTest::qWaitForWindowExposed(Help));
        const std::vector<QAccessibleInterface*> Parts = Children(Of(Help));
        std::vector<QString> Printed;
        for (const std::string& Line : HelpLines())
            if (!QString::fromStdString(Line).trimmed().isEmpty())
                Printed.push_back(QString::fromStdString(Line).trimmed());
        QCOMPARE(Parts.size(), Printed.size() + 1);
        int Top = -1;
        for (size_t K = 0; K < Printed.size(); ++K) {
            QCOMPARE(Parts[K]->role(), QAccessible::StaticText);
            QCOMPARE(Parts[K]->text(QAccessible::Name), Printed[K]);
            QCOMPARE(Parts[K]->parent(), Of(Help));
            QCOMPARE(Of(Help)->indexOfChild(Parts[K]), int(K));
            QVERIFY(Parts[K]->rect().top() > Top);
            Top = Parts[K]->rect().top();
        }
        QCOMPARE(Parts.back()->role(), QAccessible::Button);
        QCOMPARE(Parts.back()->text(QAccessible::Name), QStringLiteral("Exit"));
        QVERIFY(Pressable(Parts.back()));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
