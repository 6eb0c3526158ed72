// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own message box, offscreen: its parts where the box's layout puts them for short and
// long messages, its look, the answer a click gives, and that nothing but a click on a caption
// answers it while the game waits.

#include "flow/MessageBox.h"
#include "gui/MFormDeluxe.h"
#include "gui/QtClock.h"
#include "gui/TableWidgets.h"
#include "flow/Questions.h"
#include "flow/SilentSpeaker.h"
#include "commands/Keys.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTest>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>

using namespace tarnwick;

namespace {

// Where a box of the designed layout lies in pixels: each of its edges on the nearest pixel.
QRect Edges(const Rect& R) {
    auto Pixel = [](double Twips) { return static_cast<int>(std::lround(Twips / TwipsPerPixel)); };
    return QRect(QPoint(Pixel(R.Left), Pixel(R.Top)),
                 QPoint(Pixel(R.Left + R.Width) - 1, Pixel(R.Top + R.Height) - 1));
}

Question NewGameQuestion(std::string Prompt) {
    return Question{std::move(Prompt), {"Yes Please", "Ooops - No", ""}, 1, "SEE YOU!"};
}

Question DrawAnnouncement() {
    return Question{"Ann It is a draw.", {"O.K", "", ""}, 5, "A Draw"};
}

const std::string LongPrompt =
    "Ann, of Tarn You are in the middle of a game, are you sure you wish to start a new game?.";

} // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT

private:
    QtClock Clock;
    SilentSpeaker Sounds;
    std::unique_ptr<Game> G;
    std::unique_ptr<QWidget> Table;
    MFormDeluxe* Box = nullptr;
    int Renders = 0;

    template <class T = QWidget> T* Find(const char* Name) {
        T* Found = Box->findChild<T*>(QString::fromLatin1(Name));
        if (!Found) qFatal("no %s in the message box", Name);
        return Found;
    }

    // Answered, when given, is set to the button the follow-up is handed.
    void Ask(Question Q, int* Answered = nullptr) {
        tarnwick::Ask(*G, std::move(Q), [Answered](Game&, const Answer& Given) {
            if (Answered) *Answered = Given.Button;
        });
        // As the table does before it draws.
        ShowFocus(*G);
        Box->Sync();
    }

    void Click(const char* Caption) {
        QWidget* Label = Find(Caption);
        QTest::mouseClick(Label, Qt::LeftButton, {}, Label->rect().center());
    }

    static QColor At(const QImage& Image, int X, int Y) { return Image.pixelColor(X, Y); }

private slots:
    void init() {
        // Nothing here writes the records, so the game needs no folder for them.
        G = std::make_unique<Game>(Clock, Sounds, 1, std::filesystem::path());
        Table = std::make_unique<QWidget>();
        Table->setGeometry(40, 30, 640, 480);
        Table->show();
        QVERIFY(QTest::qWaitForWindowExposed(Table.get()));
        Renders = 0;
        Box = new MFormDeluxe(Table.get(), *G, QStringLiteral(TARNWICK_ASSETS), [this] {
            ++Renders;
            Box->Sync();
        });
    }

    void cleanup() {
        Table.reset();
        Box = nullptr;
        G.reset();
    }

    void theBoxIsAFramelessModalWindowOverTheTable() {
        Ask(NewGameQuestion("Ann Leave?"));
        QVERIFY(QTest::qWaitForWindowExposed(Box));
        QVERIFY(Box->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(Box->isModal());
        const QPoint Off = Box->frameGeometry().center() - Table->frameGeometry().center();
        QVERIFY2(Off.manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(Off.x()).arg(Off.y())));
    }

    // Every part lies where the box's layout puts it for as many lines as the message wraps to:
    // one line and two buttons, a long message that grows the box, one button alone.
    void everyPartFollowsTheLayoutForTheLinesTheMessageTakes() {
        for (const Question& Q :
             {NewGameQuestion("Ann Leave?"), NewGameQuestion(LongPrompt), DrawAnnouncement()}) {
            Ask(Q);
            QVERIFY(QTest::qWaitForWindowExposed(Box));
            const int MessageHeight = Find("Label2")->height();
            QCOMPARE(MessageHeight % 20, 0);
            QCOMPARE(MessageHeight > 20, Q.Prompt == LongPrompt);
            const MsgBoxGeometry L = LayOutMsgBox(G->View.MessageBox, MessageHeight * TwipsPerPixel);
            QCOMPARE(Box->size(), Edges({0, 0, L.Width, L.Height}).size());
            for (const auto& [Part, Place] :
                 {std::pair{"Label3", L.TitleStrip}, {"Label2", L.Message}, {"Picture1", L.Picture}})
                QCOMPARE(Find(Part)->geometry(), Edges(Place));
            for (size_t I = 0; I < L.Buttons.size(); ++I) {
                QWidget* Button = Box->findChild<QWidget*>(QStringLiteral("Pic1_%1").arg(I));
                QCOMPARE(Button->isVisible(), L.ButtonShown[I]);
                if (L.ButtonShown[I]) QCOMPARE(Button->geometry(), Edges(L.Buttons[I]));
            }
            Click("Label1_0");
        }
    }

    // Closing leaves the box open. Keys answer it as a click on the marked button would: Escape
    // the last button shown, Return or Space the marked one, which is the first when a box opens
    // and which Tab and the arrows move; a new box opens on its first again, its buttons ringed
    // only once a key has been used.
    void keysAnswerAsAClickOnTheMarkedButton() {
        int Answered = -1;
        Ask(NewGameQuestion("Ann Leave?"), &Answered);
        QVERIFY(QTest::qWaitForWindowExposed(Box));
        QVERIFY(!Box->close());
        QVERIFY(Box->isVisible());
        QCOMPARE(Renders, 0);
        QVERIFY(G->Flow.Held());
        const QImage Unmarked = Box->grab().toImage();
        QTest::keyClick(Box, Qt::Key_Tab);
        QCOMPARE(G->View.Focus, (FocusMark{true, {Element::MessageButton, 1}}));
        QVERIFY(Box->grab().toImage() != Unmarked);
        QTest::keyClick(Box, Qt::Key_Escape);
        QCOMPARE(Answered, 1);
        QVERIFY(!Box->isVisible());
        QVERIFY(!G->View.MessageBox.Visible);
        QVERIFY(!G->Flow.Held());
        QCOMPARE(Renders, 1);

        Answered = -1;
        Ask(NewGameQuestion("Ann Leave?"), &Answered);
        QVERIFY(QTest::qWaitForWindowExposed(Box));
        QCOMPARE(G->View.Focus.On, (Clickable{Element::MessageButton, 0}));
        for (Qt::Key Key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_Backtab})
            QTest::keyClick(Box, Key);
        QCOMPARE(G->View.Focus.On.Index, 1);
        QTest::keyClick(Box, Qt::Key_Space);
        QCOMPARE(Answered, 1);
        QCOMPARE(Renders, 2);

        MouseUsed(*G);
        Answered = -1;
        Ask(NewGameQuestion("Ann Leave?"), &Answered);
        QVERIFY(QTest::qWaitForWindowExposed(Box));
        QCOMPARE(Box->grab().toImage(), Unmarked);
        QTest::keyClick(Box, Qt::Key_Return);
        QCOMPARE(Answered, 0);
        QCOMPARE(Renders, 3);

        Answered = -1;
        Ask(DrawAnnouncement(), &Answered);
        QVERIFY(QTest::qWaitForWindowExposed(Box));
        QCOMPARE(!Find<QLabel>("Picture1")->pixmap().isNull(),
                 QFile::exists(QStringLiteral(TARNWICK_ASSETS "/msgpic5.png")));
        Click("Label1_0");
        QCOMPARE(Answered, 0);
        QCOMPARE(Renders, 4);
    }

    // A raised button is light above and left, dark below and right; pressed, the other way round,
    // and its caption moves a pixel. A press released off the caption answers nothing.
    void drawsTheFrameAndRaisedThenPressedButtons() {
        Ask(NewGameQuestion("Ann Leave?"));
        QVERIFY(QTest::qWaitForWindowExposed(Box));
        const QColor Back(64, 64, 64), Light(240, 240, 240), Dark(128, 128, 128);
        QImage Look = Box->grab().toImage();
        QCOMPARE(At(Look, 0, 0), Back);
        QCOMPARE(At(Look, 1, 60), Light);
        QCOMPARE(At(Look, 373, 60), Dark);
        QCOMPARE(At(Look, 374, 114), Back);
        QCOMPARE(At(Look, Px(45), 15), QColor(0, 0, 0));
        QCOMPARE(At(Look, Px(45) + 2, 15), QColor(255, 192, 128));
        int Green = 0;
        for (int Y = Px(450); Y < Px(450) + 20; ++Y)
            for (int X = Px(90); X < Px(90) + Px(3375); ++X)
                Green += At(Look, X, Y) == QColor(0, 255, 0);
        QVERIFY(Green > 20);

        const QPoint B = Find("Pic1_0")->pos();
        const int Right = Find("Pic1_0")->width() - 1, Bottom = Find("Pic1_0")->height() - 1;
        QCOMPARE(At(Look, B.x(), B.y() + 10), Light);
        QCOMPARE(At(Look, B.x() + 50, B.y() + Bottom), Dark);
        QCOMPARE(At(Look, B.x() + Right, B.y() + 10), Dark);
        QCOMPARE(At(Look, B.x() + 2, B.y() + 12), QColor(255, 128, 0));

        QWidget* Caption = Find("Label1_0");
        QTest::mousePress(Caption, Qt::LeftButton, {}, Caption->rect().center());
        QCOMPARE(Caption->geometry(), QRect(2, 2, Right - 2, Bottom - 2));
        Look = Box->grab().toImage();
        QCOMPARE(At(Look, B.x(), B.y()), Dark);
        QCOMPARE(At(Look, B.x() + 50, B.y() + Bottom), Light);
        QCOMPARE(At(Look, B.x() + Right, B.y() + 10), Light);
        QTest::mouseRelease(Caption, Qt::LeftButton, {}, QPoint(-30, -30));
        QVERIFY(G->View.MessageBox.Visible);
        QCOMPARE(Caption->geometry(), QRect(2, 2, Right - 2, Bottom - 2));

        // The next box starts with its buttons raised again.
        Click("Label1_1");
        Ask(NewGameQuestion("Ann Leave?"));
        QCOMPARE(Caption->geometry(), QRect(1, 1, Right - 1, Bottom - 1));
    }
};

QTEST_MAIN(MessageBoxTest)
#include "MessageBoxTest.moc"
