// The game's own message box, offscreen: its size and layout for short and long messages, its
// look, the answer a click gives, and that nothing but a click on a caption answers it.

#include "shell/MessageBox.h"
#include "gui/MFormDeluxe.h"
#include "gui/QtClock.h"
#include "gui/TableWidgets.h"
#include "shell/Questions.h"
#include "state/SilentSpeaker.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTest>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

using namespace tarnwick;

namespace {

// Where a box of the designed layout lies in pixels: each of its edges on the nearest pixel.
QRect Edges(double Left, double Top, double Width, double Height) {
    auto Pixel = [](double Twips) { return static_cast<int>(std::lround(Twips / 12)); };
    return QRect(QPoint(Pixel(Left), Pixel(Top)), QPoint(Pixel(Left + Width) - 1, Pixel(Top + Height) - 1));
}

Question NewGameQuestion(std::string Prompt) {
    return Question{std::move(Prompt), {"Yes Please", "Ooops - No", ""}, 1, "SEE YOU!"};
}

Question DrawAnnouncement() {
    return Question{"Ann It is a draw.", {"O.K", "", ""}, 5, "A Draw"};
}

const std::string LongPrompt =
    "Ann, of Tarn You are in the middle of a game, are you sure you wish to start a new game?.";

Task<> AskAndGoOn(Game& G, bool& WentOn) {
    co_await MsgBoxDeluxe(G, DrawAnnouncement());
    WentOn = true;
}

} // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT

private:
    QtClock Clock;
    QString Played;
    SilentSpeaker Sounds{
        [this](std::string_view Sound) { Played = QString::fromUtf8(Sound.data(), Sound.size()); }};
    std::unique_ptr<Game> G;
    std::unique_ptr<QWidget> Table;
    MFormDeluxe* Box = nullptr;
    int Renders = 0;

    template <class T = QWidget> T* Find(const char* Name) {
        T* Found = Box->findChild<T*>(QString::fromLatin1(Name));
        if (!Found) qFatal("no %s in the message box", Name);
        return Found;
    }

    void Ask(Question Q, bool* Answered = nullptr) {
        tarnwick::Ask(*G, std::move(Q), [Answered](Game&, const Answer&) {
            if (Answered) *Answered = true;
        });
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

    // 4500 x 1380 twips: one line of message, 240 twips, plus 1140; in the middle of the table.
    void oneLineQuestionShowsTwoButtons() {
        Ask(NewGameQuestion("Ann Leave?"));
        QVERIFY(QTest::qWaitForWindowExposed(Box));
        QVERIFY(Box->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(Box->isModal());
        QCOMPARE(Box->size(), QSize(375, 115));
        const QPoint Off = Box->frameGeometry().center() - Table->frameGeometry().center();
        QVERIFY2(Off.manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(Off.x()).arg(Off.y())));
        QCOMPARE(Played, QStringLiteral("ringout.wav"));

        QCOMPARE(Find<QLabel>("Label3")->text(), QStringLiteral("   SEE YOU!"));
        QCOMPARE(Find("Label3")->geometry(), Edges(45, 60, 4410, 300));
        QCOMPARE(Find<QLabel>("Label2")->text(), QStringLiteral("Ann Leave?"));
        QCOMPARE(Find("Label2")->geometry(), Edges(90, 450, 3375, 240));
        QCOMPARE(Find("Picture1")->geometry(), Edges(3870, 690 - 255, 510, 510));
        QVERIFY(!Find("Pic1_2")->isVisible());
        QCOMPARE(Find("Pic1_0")->geometry(), Edges(952, 990, 1275, 300));
        QCOMPARE(Find("Pic1_1")->geometry(), Edges(2273, 990, 1275, 300));
        QCOMPARE(Find<QLabel>("Label1_0")->text(), QStringLiteral("Yes Please"));
        QCOMPARE(Find<QLabel>("Label1_1")->text(), QStringLiteral("Ooops - No"));
    }

    void longMessageGrowsTheBoxAndMovesTheButtonsDown() {
        Ask(NewGameQuestion(LongPrompt));
        QVERIFY(QTest::qWaitForWindowExposed(Box));
        const int MessageHeight = Find("Label2")->height();
        QVERIFY(MessageHeight > 20);
        QCOMPARE(MessageHeight % 20, 0);
        QCOMPARE(Box->size(), QSize(375, 115 + MessageHeight - 20));
        const double HeightTwips = Box->height() * TwipsPerPixel;
        for (const char* Button : {"Pic1_0", "Pic1_1"})
            QCOMPARE(Find(Button)->y(), Px(HeightTwips - 390));
        QCOMPARE(Find("Picture1")->y(), Px(HeightTwips / 2 - 255));
    }

    // Keys and closing leave the box open; the second button answers 1. The next box, of one
    // button only, shows it centred and its picture, and answers 0.
    void onlyAClickOnAButtonAnswers() {
        bool Answered = false;
        Ask(NewGameQuestion("Ann Leave?"), &Answered);
        QVERIFY(QTest::qWaitForWindowExposed(Box));
        for (Qt::Key Key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
            QTest::keyClick(Box, Key);
        QVERIFY(!Box->close());
        QVERIFY(Box->isVisible());
        QCOMPARE(Renders, 0);
        QVERIFY(G->Steps.Held());
        Click("Label1_1");
        QCOMPARE(G->State.MsgAnswer, int16_t{1});
        QVERIFY(Answered);
        QVERIFY(!Box->isVisible());
        QVERIFY(!G->View.MessageBox.Visible);
        QVERIFY(!G->Steps.Held());
        QCOMPARE(Renders, 1);

        Answered = false;
        Ask(DrawAnnouncement(), &Answered);
        QVERIFY(QTest::qWaitForWindowExposed(Box));
        QCOMPARE(Find<QLabel>("Label3")->text(), QStringLiteral("   A Draw"));
        QVERIFY(!Find("Pic1_1")->isVisible() && !Find("Pic1_2")->isVisible());
        QCOMPARE(Find("Pic1_0")->pos(), QPoint(Px(1612.5), Px(990)));
        QCOMPARE(Find<QLabel>("Label1_0")->text(), QStringLiteral("O.K"));
        QCOMPARE(!Find<QLabel>("Picture1")->pixmap().isNull(),
                 QFile::exists(QStringLiteral(TARNWICK_ASSETS "/msgpic5.png")));
        Click("Label1_0");
        QCOMPARE(G->State.MsgAnswer, int16_t{0});
        QVERIFY(Answered);
        QCOMPARE(Renders, 2);
    }

    void theGameWaitsForTheAnswer() {
        bool WentOn = false;
        G->Steps.Run(AskAndGoOn(*G, WentOn));
        Box->Sync();
        QVERIFY(QTest::qWaitForWindowExposed(Box));
        QTest::qWait(50);
        QVERIFY(!WentOn);
        Click("Label1_0");
        QTRY_VERIFY_WITH_TIMEOUT(WentOn, 2000);
        QVERIFY(!Box->isVisible());
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
