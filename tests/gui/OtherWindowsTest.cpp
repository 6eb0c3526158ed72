// SPDX-License-Identifier: GPL-3.0-or-later
// The table's other windows, offscreen and in virtual time. Offscreen windows have no stacking of
// their own, so the test keeps one as a window system does: a window goes on top when it is first
// shown or raised, and a window shown again keeps the place it had.

#include "TableUnderTest.h"
#include "gui/TableWidgets.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QExposeEvent>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QPointer>
#include <QWindow>

#include <algorithm>
#include <functional>
#include <vector>

using namespace tarnwick;

namespace {

// The order of the program's windows from the bottom up, as a window system would keep it.
class WindowStack final : public QObject {
public:
    WindowStack() { qApp->installEventFilter(this); }
    ~WindowStack() override { qApp->removeEventFilter(this); }

    // The visible window on top of all others.
    QWidget* Top() const {
        for (auto Window = Order.rbegin(); Window != Order.rend(); ++Window)
            if (*Window && (*Window)->isVisible()) return *Window;
        return nullptr;
    }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        auto* Window = qobject_cast<QWidget*>(Watched);
        if (!Window || !Window->isWindow() || Window->windowType() == Qt::Popup ||
            Window->windowType() == Qt::ToolTip)
            return false;
        const auto Known = std::find(Order.begin(), Order.end(), Window);
        if (Event->type() == QEvent::Show && Known == Order.end()) Order.push_back(Window);
        if (Event->type() == QEvent::ZOrderChange) {
            if (Known != Order.end()) Order.erase(Known);
            Order.push_back(Window);
        }
        return false;
    }

private:
    std::vector<QPointer<QWidget>> Order;
};

} // namespace

class OtherWindowsTest : public QObject, public test::TableUnderTest {
    Q_OBJECT

private:
    std::unique_ptr<WindowStack> Stack;

    QByteArray RecordFile(const char* Name) {
        QFile File(QDir(Records->path()).filePath(QString::fromLatin1(Name)));
        return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray("<none>");
    }
    QWidget* Box() { return Find(QStringLiteral("MFormDeluxe")); }
    QWidget* Help() { return Find(QStringLiteral("FrmHelp")); }
    QWidget* About() { return Find(QStringLiteral("frmSplash")); }
    void Choose(const char* Command) { Find<QAction>(QString::fromLatin1(Command))->trigger(); }
    void Click(QWidget* Target) { QTest::mouseClick(Target, Qt::LeftButton, {}, Target->rect().center()); }
    void Click(const QString& Name) { Click(Find(Name)); }
    void AboutOk() { Click(About()->findChild<QWidget*>(QStringLiteral("CmdOK"))); }
    void ShowAbout() {
        Choose("MnuAbout");
        QVERIFY(QTest::qWaitForWindowExposed(About()));
    }
    // The first showing, which holds the game, over and done with.
    void ShowAboutOnce() {
        ShowAbout();
        AboutOk();
    }
    // The window system telling Window it has been uncovered.
    static void Uncover(QWidget* Window) {
        QExposeEvent Uncovered(QRegion(Window->rect()));
        QCoreApplication::sendEvent(Window->windowHandle(), &Uncovered);
    }

    // The open question is the window on top, the one with the keyboard, and on the screen.
    bool QuestionOnTop(QWidget* Question) {
        return Question->isVisible() && Stack->Top() == Question &&
               QGuiApplication::focusWindow() == Question->windowHandle() &&
               Question->screen()->geometry().contains(Question->frameGeometry());
    }

    void OpenQuestion(const char* Command) {
        Choose(Command);
        QTRY_VERIFY_WITH_TIMEOUT(Box()->isVisible(), 2000);
        QTRY_VERIFY2_WITH_TIMEOUT(QuestionOnTop(Box()), Command, 2000);
    }

    // One move of a human who bids 1, plays the first card the table takes and answers every box
    // with its first button; Asked is told of every box before it is answered.
    void HumanMove(const std::function<void()>& Asked) {
        if (Box()->isVisible()) {
            Asked();
            Click(QStringLiteral("Label1_0"));
        } else if (Find(QStringLiteral("FramResults"))->isVisible()) {
            Click(QStringLiteral("CmdClose"));
        } else if (Find(QStringLiteral("FramBids"))->isVisible()) {
            Click(QStringLiteral("LblBids1"));
        } else if (Status().endsWith(QStringLiteral("please click on card you wish to play.")) ||
                   Status().endsWith(QStringLiteral("Try again please"))) {
            for (int K = 1; K <= 52; ++K) {
                QWidget* Card = Find(QStringLiteral("Cds%1").arg(K));
                if (!Card->isVisible() || Card->y() != Px(6600)) continue;
                QTest::mouseClick(Card, Qt::LeftButton, {}, QPoint(4, Card->height() / 2));
                QCoreApplication::processEvents();
                if (!Card->isVisible() || Card->y() != Px(6600)) break;
            }
        }
    }

private slots:
    void init() {
        NewRecords();
        Stack = std::make_unique<WindowStack>();
    }

    void cleanup() {
        CloseTable();
        Stack.reset();
    }

    // About, O.K; Exit, "Ooops - No"; About again, which stays beside the table; then Delete
    // Statistics or Exit: each question comes out over the about box. Then the same over the help.
    void aQuestionComesOutOverTheAboutBoxAndTheHelp() {
        OpenTable(3);
        ShowAboutOnce();
        OpenQuestion("MnuExit");
        Click(QStringLiteral("Label1_1"));
        for (const char* Command : {"MnuDelete", "MnuExit"}) {
            Choose("MnuAbout");
            QTRY_VERIFY(Stack->Top() == About());
            OpenQuestion(Command);
            Click(QStringLiteral("Label1_1"));
            QVERIFY(!Box()->isVisible());
        }
        AboutOk();
        for (const char* Command : {"MnuExit", "MnuDelete"}) {
            Choose("MnuMain");
            QTRY_VERIFY(Stack->Top() == Help());
            OpenQuestion(Command);
            Click(QStringLiteral("Label1_1"));
        }
        QVERIFY(Table->isVisible());
        QCOMPARE(RecordFile("Money.dat"), QByteArray("<none>"));
    }

    // A whole game to 100 with the help window and the about box brought forward again before
    // every step: each of the game's own boxes (a draw, the game's end) comes out on top of them.
    void theGamesOwnBoxesComeOutOverTheOtherWindows() {
        OpenTable(11);
        ShowAboutOnce();
        // The box has been shown once, so each of the game's boxes is a window shown again.
        OpenQuestion("MnuExit");
        Click(QStringLiteral("Label1_1"));
        Choose("Mnu100");
        Choose("MnuNew");
        int Boxes = 0;
        QElapsedTimer Since;
        Since.start();
        while (Status() != QStringLiteral("Press F2 for a new game or Ctrl + x to exit.") ||
               Box()->isVisible()) {
            QVERIFY2(Since.elapsed() < 60000, "the game never ended");
            if (!Box()->isVisible() && Find<QAction>(QStringLiteral("MnuMain"))->isEnabled()) {
                Choose("MnuMain");
                Choose("MnuAbout");
            }
            HumanMove([this, &Boxes] {
                ++Boxes;
                QTRY_VERIFY_WITH_TIMEOUT(QuestionOnTop(Box()), 2000);
            });
            QCoreApplication::processEvents();
        }
        QVERIFY(Boxes >= 1);
        QCOMPARE(RecordFile("Name.dat"), QByteArray("\"Player\",0,0,1,0\r\n"));
    }

    // Should another of the program's windows come to the front while a question waits, as a
    // click on it under a window manager would bring it, the question comes back on top of it:
    // whether the window system tells of it by the keyboard or by uncovering the other window.
    void aWindowComingForwardGivesWayToTheQuestion() {
        OpenTable(3);
        Choose("MnuMain");
        OpenQuestion("MnuDelete");
        Help()->raise();
        Help()->activateWindow();
        QTRY_VERIFY_WITH_TIMEOUT(QuestionOnTop(Box()), 2000);
        for (QWidget* Other : {Help(), static_cast<QWidget*>(Table.get())}) {
            Other->raise();
            QVERIFY(Stack->Top() == Other);
            Uncover(Other);
            QTRY_VERIFY_WITH_TIMEOUT(QuestionOnTop(Box()), 2000);
        }
        Click(QStringLiteral("Label1_1"));

        // The about box while it holds the game is kept in front the same way; later it is not.
        ShowAbout();
        Table->raise();
        Uncover(Table.get());
        QTRY_VERIFY_WITH_TIMEOUT(QuestionOnTop(About()), 2000);
        AboutOk();
        Choose("MnuAbout");
        Table->raise();
        Uncover(Table.get());
        QTest::qWait(50);
        QVERIFY(Stack->Top() == Table.get());
        AboutOk();
    }

    // While the about box is up for the first time no pause runs out, no card moves and no bid is
    // taken; O.K lets the game go on from where it stood. Later showings hold nothing, and a table
    // that goes while its about box holds the game goes cleanly.
    void theAboutBoxHoldsTheGameOnItsFirstShowing() {
        OpenTable(5);
        Choose("MnuNew");
        QTRY_COMPARE_WITH_TIMEOUT(Text(QStringLiteral("StatusPanel1")), QStringLiteral("Hand  Number 1"),
                                  2000);
        ShowAbout();
        QVERIFY(Table->GameAtTable().Flow.Held());
        auto Cards = [this] {
            QStringList Places{Status()};
            for (int K = 1; K <= 52; ++K) {
                QWidget* Card = Find(QStringLiteral("Cds%1").arg(K));
                Places << QStringLiteral("%1 %2,%3").arg(Card->isVisible()).arg(Card->x()).arg(Card->y());
            }
            return Places;
        };
        const QStringList Dealing = Cards();
        QTest::qWait(300);
        QCOMPARE(Cards(), Dealing);
        AboutOk();
        QTRY_VERIFY_WITH_TIMEOUT(Find(QStringLiteral("FramBids"))->isVisible(), 5000);
        ShowAbout();
        QVERIFY(!Table->GameAtTable().Flow.Held());
        AboutOk();

        Table.reset();
        OpenTable(5);
        Choose("MnuNew");
        QTRY_VERIFY_WITH_TIMEOUT(Find(QStringLiteral("FramBids"))->isVisible(), 5000);
        ShowAbout();
        Click(QStringLiteral("LblBids1"));
        QTest::qWait(100);
        QVERIFY(Find(QStringLiteral("FramBids"))->isVisible());
        AboutOk();
        // Only the bid made after O.K counts: nothing of the click behind the box was kept.
        Click(QStringLiteral("LblBids2"));
        QTRY_COMPARE_WITH_TIMEOUT(Text(QStringLiteral("LblBid0")), QStringLiteral("2"), 2000);

        Table.reset();
        OpenTable(5);
        ShowAbout();
        Table.reset();
        QTest::qWait(50);
    }

    // However much is typed or pasted, the name box takes forty characters, and Name.dat holds them.
    void theNameBoxTakesFortyCharacters() {
        OpenTable(3);
        Choose("mnuNameChange");
        QInputDialog* Ask = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((Ask = Table->findChild<QInputDialog*>(QStringLiteral("NameInput"))), 2000);
        QTRY_VERIFY_WITH_TIMEOUT(QuestionOnTop(Ask), 2000);
        auto* Typing = Ask->findChild<QLineEdit*>();
        Typing->clear();
        Typing->insert(QString(30000, QLatin1Char('N')));
        QCOMPARE(Typing->text().size(), 40);
        Ask->accept();
        QTRY_COMPARE_WITH_TIMEOUT(RecordFile("Name.dat"), "\"" + QByteArray(40, 'N') + "\",0,0,0,0\r\n",
                                  2000);
    }

    // Exit answered with its first button: the help window, the about box and the box itself are all
    // gone before Money.dat and Name.dat are written; then the table closes.
    void exitClosesEveryWindowBeforeTheRecordsAreWritten() {
        OpenTable(3);
        ShowAboutOnce();
        Choose("MnuMain");
        Choose("MnuAbout");
        OpenQuestion("MnuExit");

        const QString Money = QDir(Records->path()).filePath(QStringLiteral("Money.dat"));
        QStringList Hidden;
        class HideWatch final : public QObject {
        public:
            std::function<void(QObject*)> OnHide;

        protected:
            bool eventFilter(QObject* Watched, QEvent* Event) override {
                if (Event->type() == QEvent::Hide) OnHide(Watched);
                return false;
            }
        } Watch;
        Watch.OnHide = [this, &Hidden, &Money](QObject* Window) {
            Hidden << (Window == Table.get() ? QStringLiteral("table") : Window->objectName()) +
                          (QFile::exists(Money) ? QStringLiteral(" after") : QString());
        };
        for (QWidget* Window : {Help(), About(), Box(), static_cast<QWidget*>(Table.get())})
            Window->installEventFilter(&Watch);
        Click(QStringLiteral("Label1_0"));
        QTRY_VERIFY_WITH_TIMEOUT(!Table->isVisible(), 2000);
        for (QWidget* Window : {Help(), About(), Box(), static_cast<QWidget*>(Table.get())})
            Window->removeEventFilter(&Watch);
        Hidden.sort();
        QCOMPARE(Hidden, (QStringList{QStringLiteral("FrmHelp"), QStringLiteral("MFormDeluxe"),
                                      QStringLiteral("frmSplash"), QStringLiteral("table after")}));
        QCOMPARE(RecordFile("Money.dat"), QByteArray("0,0,0,0\r\n"));
    }
};

QTEST_MAIN(OtherWindowsTest)
#include "OtherWindowsTest.moc"
