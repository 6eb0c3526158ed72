#include "gui/FrmTable.h"

#include "bidding/Bidding.h"
#include "gui/FrmHelp.h"
#include "gui/FrmSplash.h"
#include "gui/KeepInFront.h"
#include "gui/MFormDeluxe.h"
#include "gui/TableWidgets.h"
#include "play/HumanPlay.h"
#include "scoring/HandScoring.h"
#include "scoring/Records.h"
#include "scoring/Statistics.h"
#include "shell/Commands.h"
#include "table/Scores.h"
#include "table/StartUp.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>

#include <algorithm>
#include <numeric>

namespace tarnwick {

FrmTable::FrmTable(const QString& AssetFolder, std::filesystem::path RecordsFolder, uint64_t Seed,
                   std::unique_ptr<TableClock> GivenTime)
    : AssetFolder(AssetFolder), Time(GivenTime ? std::move(GivenTime) : std::make_unique<QtClock>()),
      Sounds(AssetFolder), Pics(AssetFolder, qApp->devicePixelRatio()),
      TheGame(std::make_unique<Game>(*Time, Sounds, Seed, std::move(RecordsFolder))) {
    setWindowTitle(QString::fromStdString(TheGame->View.WindowCaption));
    Time->SetAfterEachStep([this] { Render(); });
    BuildMenus();
    BuildTable();
    MsgBox = new MFormDeluxe(this, *TheGame, AssetFolder, [this] { Render(); });
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    TheGame->CloseWindows = [this] { CloseOtherWindows(); };
}

FrmTable::~FrmTable() {
    // The game's flow goes before the widgets it might still ask to redraw.
    Time->SetAfterEachStep({});
    TheGame.reset();
}

void FrmTable::Command(void (*Handler)(Game&)) {
    Handler(*TheGame);
    Render();
}

QAction* FrmTable::AddCommand(QMenu* Menu, const char* Name, const char* Caption, void (*Handler)(Game&),
                              QKeySequence Shortcut) {
    QAction* Item = Menu->addAction(QString::fromLatin1(Caption));
    Item->setObjectName(QString::fromLatin1(Name));
    Item->setShortcut(Shortcut);
    connect(Item, &QAction::triggered, this, [this, Handler] { Command(Handler); });
    return Item;
}

void FrmTable::BuildMenus() {
    MnuGame = menuBar()->addMenu(QStringLiteral("&Game"));
    MnuGame->setObjectName(QStringLiteral("MnuGame"));
    AddCommand(MnuGame, "MnuNew", "New Game", MnuNew_Click, Qt::Key_F2);
    AddCommand(MnuGame, "MnuExit", "Exit", MnuExit_Click, Qt::CTRL | Qt::Key_X);

    MnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    MnuHelp->setObjectName(QStringLiteral("MnuHelp"));
    QAction* MnuMain = MnuHelp->addAction(QStringLiteral("Main Help"));
    MnuMain->setObjectName(QStringLiteral("MnuMain"));
    MnuMain->setShortcut(Qt::Key_F1);
    connect(MnuMain, &QAction::triggered, this, [this] {
        if (!Help) Help = new FrmHelp(this);
        Help->ShowHelp();
    });

    MnuOptions = menuBar()->addMenu(QStringLiteral("&Options"));
    MnuOptions->setObjectName(QStringLiteral("MnuOptions"));
    AddCommand(MnuOptions, "mnuNameChange", "Change your Name", mnuNameChange_Click);
    QMenu* Target = MnuOptions->addMenu(QStringLiteral("Change Target Score"));
    Target->setObjectName(QStringLiteral("MnuTargetchange"));
    AddCommand(Target, "Mnu300", "300-Normal", Mnu300_Click);
    AddCommand(Target, "Mnu200", "200 -Medium quick", Mnu200_Click);
    AddCommand(Target, "Mnu100", "100-Very Quick", Mnu100_Click);

    QMenu* View = menuBar()->addMenu(QStringLiteral("&View"));
    View->setObjectName(QStringLiteral("mnuView"));
    AddCommand(View, "mnuFunmun", "Statistics", mnuFunmun_Click);
    AddCommand(View, "MnuDelete", "Delete Statistics", MnuDelete_Click);

    QAction* MnuAbout = menuBar()->addAction(QStringLiteral("About"));
    MnuAbout->setObjectName(QStringLiteral("MnuAbout"));
    connect(MnuAbout, &QAction::triggered, this, [this] {
        if (!Splash) {
            Splash = new FrmSplash(this, AssetFolder);
            connect(Splash, &FrmSplash::TableHeld, this, [this](bool Held) {
                if (Held)
                    TheGame->Steps.Hold();
                else
                    TheGame->Steps.Release();
                Render();
            });
        }
        Splash->ShowAbout();
    });
}

void FrmTable::BuildTable() {
    DisplayModel& V = TheGame->View;
    Client = new QWidget(this);
    Client->setObjectName(QStringLiteral("Table"));
    Client->setFixedSize(Px(ClientWidth), Px(ClientHeight));
    Client->setAutoFillBackground(true);
    QPalette Navy = Client->palette();
    Navy.setColor(QPalette::Window, ToQColor(Colours::Navy));
    Client->setPalette(Navy);
    setCentralWidget(Client);

    // Created bottom to top: the felt, the trick piles, the cards, then names and frames.
    Shape1 = new FeltWidget(Client);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(PxRect(V.Shape1));

    const std::array<const char*, SeatCount> PileNames = {"ImgBackP", "ImgBackWest", "ImgBackNorth",
                                                          "ImgBackEast"};
    for (uint8_t Seat = 0; Seat < SeatCount; ++Seat) {
        for (size_t K = 1; K <= 13; ++K) {
            auto* Back = new PictureWidget(Client);
            Back->setObjectName(QStringLiteral("%1%2").arg(QString::fromLatin1(PileNames[Seat])).arg(K));
            Back->setGeometry(PxRect(V.Pile(Seat)[K].Place));
            Back->SetPicture(&Pics.PileBack());
            Back->setAccessibleName(QStringLiteral("Trick won"));
            Piles[Seat][K] = Back;
        }
    }

    for (size_t K = 1; K <= CardCount; ++K) {
        auto* Card = new PictureWidget(Client);
        Card->setObjectName(QStringLiteral("Cds%1").arg(K));
        Card->resize(Px(CardWidth), Px(CardHeight));
        Card->OnClick = [this, K] {
            Cds_Click(*TheGame, static_cast<int>(K));
            Render();
        };
        Cds[K] = Card;
    }

    for (FrameBox* Box : {&V.FramScores, &V.FramBids, &V.FramResults, &V.FramMoney}) {
        auto* Frame = new FrameWidget(Client);
        Frame->setObjectName(QString::fromStdString(Box->Name));
        Frames.emplace_back(Box, Frame);
    }
    auto FrameWidgetOf = [this, &V](FrameId In) -> QWidget* {
        if (In == FrameId::None) return Client;
        const FrameBox* Wanted = &V.Frame(In);
        for (auto& [Box, Widget] : Frames)
            if (Box == Wanted) return Widget;
        return Client;
    };
    for (LabelBox* Box : V.AllLabels()) {
        QWidget* Parent = FrameWidgetOf(Box->In);
        if (Box->Kind == LabelKind::Button) {
            auto* Button = new ButtonWidget(Parent);
            Button->setObjectName(QString::fromStdString(Box->Name));
            Buttons.emplace_back(Box, Button);
            continue;
        }
        auto* Label = new LabelWidget(Parent);
        Label->setObjectName(QString::fromStdString(Box->Name));
        Labels.emplace_back(Box, Label);
    }
    for (auto& [Box, Widget] : Labels)
        for (size_t I = 0; I < V.LblBids.size(); ++I)
            if (Box == &V.LblBids[I])
                Widget->OnClick = [this, I] {
                    LblBids_Click(*TheGame, static_cast<int>(I));
                    Render();
                };
    for (auto& [Box, Button] : Buttons) {
        void (*Handler)(Game&) = Box == &V.CmdClose ? CmdClose_Click : Command1_Click;
        connect(Button, &QPushButton::clicked, this, [this, Handler] { Command(Handler); });
    }
    for (auto& [Box, Frame] : Frames)
        Frame->raise();
    BuildStatusBar();
}

void FrmTable::BuildStatusBar() {

    statusBar()->setSizeGripEnabled(false);
    StatusPanel1 = new QLabel(this);
    StatusPanel1->setObjectName(QStringLiteral("StatusPanel1"));
    StatusPanel1->setFixedWidth(120);
    StatusPanel1->setToolTip(QString::fromLatin1(StatusPanel1ToolTip));
    StatusPanel2 = new QLabel(this);
    StatusPanel2->setObjectName(QStringLiteral("StatusPanel2"));
    StatusPanel2->setToolTip(QString::fromLatin1(StatusPanel2ToolTip));
    StatusPanel1->setAccessibleDescription(StatusPanel1->toolTip());
    StatusPanel2->setAccessibleDescription(StatusPanel2->toolTip());
    for (QLabel* Panel : {StatusPanel1, StatusPanel2}) {
        Panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        Panel->setTextFormat(Qt::PlainText);
    }
    statusBar()->addWidget(StatusPanel1);
    statusBar()->addWidget(StatusPanel2, 1);
}

void FrmTable::SyncNameInput() {
    const NameInputModel& Ask = TheGame->View.NameInput;
    if (!Ask.Visible || NameBox) return;
    NameBox = new QInputDialog(this);
    NameBox->setObjectName(QStringLiteral("NameInput"));
    NameBox->setAttribute(Qt::WA_DeleteOnClose);
    NameBox->setWindowTitle(QString::fromStdString(Ask.Title));
    NameBox->setLabelText(QString::fromStdString(Ask.Prompt));
    NameBox->setTextValue(QString::fromStdString(Ask.Proposed));
    if (auto* Typing = NameBox->findChild<QLineEdit*>())
        Typing->setMaxLength(static_cast<int>(MaxNameLength));
    new KeepInFront(NameBox);
    connect(NameBox, &QDialog::finished, this, [this](int Result) {
        std::optional<std::string> Typed;
        if (Result == QDialog::Accepted) Typed = NameBox->textValue().toStdString();
        NameBox = nullptr;
        NameInput_Answer(*TheGame, std::move(Typed));
        Render();
    });
    NameBox->open();
    NameBox->raise();
    NameBox->activateWindow();
}

// The message box refuses to be closed, so whatever stays open is hidden.
void FrmTable::CloseOtherWindows() {
    for (QWidget* Window : QApplication::topLevelWidgets())
        if (Window != this && Window->isVisible() && !Window->close()) Window->hide();
}

void FrmTable::SyncQuit() {
    if (!TheGame->View.Quit) return;
    close();
    QCoreApplication::quit();
}

void FrmTable::Start() {
    show();
    Render();
    TheGame->Steps.Run(Form_Load(*TheGame));
    Render();
}

void FrmTable::RenderCards() {
    DisplayModel& V = TheGame->View;
    bool Restack = false;
    for (size_t K = 1; K <= CardCount; ++K) {
        const CardBox& Box = V.Cds[K];
        PictureWidget* Card = Cds[K];
        if (Card->SetPicture(&Pics.Card(Box.Picture)))
            // Read as "Queen of Hearts", without the wide spacing of the names on the table.
            Card->setAccessibleName(
                Box.Picture == BackPicture
                    ? QStringLiteral("Card, face down")
                    : QString::fromStdString(TheGame->State.Deck[Box.Picture].FullName).simplified());
        const QPoint At(Px(Box.Left), Px(Box.Top));
        if (Card->pos() != At) Card->move(At);
        Card->setVisible(Box.Visible && V.CardBoxesCreated);
        Restack = Restack || StackedZOrder[K] != Box.ZOrder;
    }
    if (!Restack) return;
    std::array<size_t, CardCount> Order;
    std::iota(Order.begin(), Order.end(), 1);
    std::stable_sort(Order.begin(), Order.end(),
                     [&V](size_t A, size_t B) { return V.Cds[A].ZOrder < V.Cds[B].ZOrder; });
    for (size_t K : Order) {
        Cds[K]->raise();
        StackedZOrder[K] = V.Cds[K].ZOrder;
    }
    for (auto& [Box, Label] : Labels)
        if (Box->In == FrameId::None) Label->raise();
    for (auto& [Box, Frame] : Frames)
        Frame->raise();
}

void FrmTable::RenderPile(const TrickPile& Pile, std::array<PictureWidget*, 14>& Widgets) {
    for (size_t K = 1; K <= 13; ++K)
        Widgets[K]->setVisible(Pile[K].Visible);
}

void FrmTable::Render() {
    DisplayModel& V = TheGame->View;
    Shape1->setVisible(V.Shape1Visible);
    for (uint8_t Seat = 0; Seat < SeatCount; ++Seat)
        RenderPile(V.Pile(Seat), Piles[Seat]);
    RenderCards();
    for (auto& [Box, Frame] : Frames)
        Frame->Show(*Box);
    for (auto& [Box, Label] : Labels)
        Label->Show(*Box);
    for (auto& [Box, Button] : Buttons)
        Button->Show(*Box);
    StatusPanel1->setText(QString::fromStdString(V.StatusPanel1));
    StatusPanel2->setText(QString::fromStdString(V.StatusPanel2));
    for (auto [Menu, Enabled] : {std::pair{MnuGame, V.MnuGameEnabled}, std::pair{MnuHelp, V.MnuHelpEnabled},
                                 std::pair{MnuOptions, V.MnuOptionsEnabled}}) {
        // The shortcuts rest with their menu, so F2 cannot start a game in the middle of a deal.
        Menu->menuAction()->setEnabled(Enabled);
        for (QAction* Item : Menu->actions())
            Item->setEnabled(Enabled);
    }
    MsgBox->Sync();
    SyncNameInput();
    SyncQuit();
}

} // namespace tarnwick
