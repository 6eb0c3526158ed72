// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/FrmTable.h"

#include "gui/AccessibleClick.h"
#include "gui/AccessiblePile.h"
#include "gui/FrmHelp.h"
#include "gui/FocusFrame.h"
#include "gui/FrmSplash.h"
#include "gui/KeepInFront.h"
#include "gui/KeyMap.h"
#include "gui/MFormDeluxe.h"
#include "gui/ReviewWidget.h"
#include "gui/StatusAnnouncer.h"
#include "gui/TableWidgets.h"
#include "records/Records.h"
#include "commands/TableClicks.h"
#include "commands/Clicks.h"
#include "flow/Questions.h"
#include "flow/StartUp.h"
#include "commands/Hint.h"
#include "commands/Review.h"

#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include <algorithm>
#include <numeric>

namespace tarnwick {

FrmTable::FrmTable(const QString& AssetFolder, std::filesystem::path RecordsFolder, uint64_t Seed,
                   std::unique_ptr<TableClock> GivenTime)
    : AssetFolder(AssetFolder), Time(GivenTime ? std::move(GivenTime) : std::make_unique<QtClock>()),
      Sounds(AssetFolder), Pics(AssetFolder),
      TheGame(std::make_unique<Game>(*Time, Sounds, Seed, std::move(RecordsFolder))) {
    setWindowTitle(QString::fromStdString(TheGame->View.WindowCaption));
    TheGame->Flow.SetAfterEachStep([this] { Render(); });
    MsgBox = new MFormDeluxe(this, *TheGame, AssetFolder, [this] { Render(); });
    BuildMenus();
    BuildMenuBarKeys();
    BuildTable();
    TheGame->CloseWindows = [this] { CloseOtherWindows(); };
    qApp->installEventFilter(this);
}

FrmTable::~FrmTable() {
    // The game's flow goes before the widgets it might still ask to redraw.
    TheGame.reset();
}

void FrmTable::Clicked(Clickable Target) {
    Click(*TheGame, Target);
    Render();
}

bool FrmTable::Pressed(Key Target) {
    if (!PressKey(*TheGame, Target)) return false;
    Render();
    return true;
}

void FrmTable::keyPressEvent(QKeyEvent* Event) {
    const std::optional<Key> Target = TableKeyOf(*Event);
    if (Target && Pressed(*Target)) return;
    QMainWindow::keyPressEvent(Event);
}

// Tab and Shift+Tab move the mark where the table has one, rather than Qt's focus between widgets.
bool FrmTable::focusNextPrevChild(bool Next) {
    return Pressed(Next ? Key::Tab : Key::BackTab) || QMainWindow::focusNextPrevChild(Next);
}

// A key to the menu bar while no menu is open, and a press of the mouse anywhere in the table or its message box hides the keyboard's mark, before
// the click itself is taken.
bool FrmTable::eventFilter(QObject* Watched, QEvent* Event) {
    if (Watched->isWidgetType() && static_cast<QWidget*>(Watched)->window() == this) WatchAltAlone(Event);
    if (Event->type() == QEvent::KeyPress && TheGame && Reviewing(*TheGame) && Watched->isWidgetType() &&
        static_cast<QWidget*>(Watched)->window() == this && ReviewKey(*static_cast<QKeyEvent*>(Event)))
        return true;
    // After a menu command the menu bar may keep the keyboard; while none of its menus is open,
    // the table's keys are still the table's.
    if (Event->type() == QEvent::KeyPress && Watched == menuBar() && !menuBar()->activeAction())
        if (const std::optional<Key> Target = TableKeyOf(*static_cast<QKeyEvent*>(Event)); Target && Pressed(*Target))
            return true;
    if (Event->type() == QEvent::MouseButtonPress && TheGame && TheGame->Focus.KeysUsed && Watched->isWidgetType()) {
        const QWidget* In = static_cast<QWidget*>(Watched)->window();
        if (In == this || In == MsgBox) {
            MouseUsed(*TheGame);
            Render();
        }
    }
    return QMainWindow::eventFilter(Watched, Event);
}

QAction* FrmTable::AddCommand(QMenu* Menu, const char* Name, const char* Caption, Element Command,
                              QKeySequence Shortcut) {
    QAction* Item = Menu->addAction(QString::fromLatin1(Caption));
    Item->setObjectName(QString::fromLatin1(Name));
    Item->setShortcut(Shortcut);
    connect(Item, &QAction::triggered, this, [this, Command] {
        CloseReview(*TheGame);
        Clicked({Command});
    });
    return Item;
}

void FrmTable::BuildMenus() {
    MnuGame = menuBar()->addMenu(QStringLiteral("&Game"));
    MnuGame->setObjectName(QStringLiteral("MnuGame"));
    AddCommand(MnuGame, "MnuNew", "New Game", Element::NewGame, Qt::Key_F2);
    AddCommand(MnuGame, "MnuExit", "Exit", Element::Exit, Qt::CTRL | Qt::Key_X);

    MnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    MnuHelp->setObjectName(QStringLiteral("MnuHelp"));
    QAction* MnuMain = MnuHelp->addAction(QStringLiteral("Main Help"));
    MnuMain->setObjectName(QStringLiteral("MnuMain"));
    MnuMain->setShortcut(Qt::Key_F1);
    connect(MnuMain, &QAction::triggered, this, [this] {
        CloseReview(*TheGame);
        if (!Help) Help = new FrmHelp(this);
        Help->ShowHelp();
    });

    MnuOptions = menuBar()->addMenu(QStringLiteral("&Options"));
    MnuOptions->setObjectName(QStringLiteral("MnuOptions"));
    AddCommand(MnuOptions, "mnuNameChange", "Change your Name", Element::ChangeName);
    QMenu* Target = MnuOptions->addMenu(QStringLiteral("Change Target Score"));
    Target->setObjectName(QStringLiteral("MnuTargetchange"));
    AddCommand(Target, "Mnu300", "300-Normal", Element::Target300);
    AddCommand(Target, "Mnu200", "200 -Medium quick", Element::Target200);
    AddCommand(Target, "Mnu100", "100-Very Quick", Element::Target100);

    QMenu* View = menuBar()->addMenu(QStringLiteral("&View"));
    View->setObjectName(QStringLiteral("mnuView"));
    AddCommand(View, "mnuFunmun", "Statistics", Element::Statistics);
    AddCommand(View, "MnuDelete", "Delete Statistics", Element::DeleteStatistics);
    BuildReviewAndHint(View);

    QAction* MnuAbout = menuBar()->addAction(QStringLiteral("About"));
    MnuAbout->setObjectName(QStringLiteral("MnuAbout"));
    connect(MnuAbout, &QAction::triggered, this, [this] {
        CloseReview(*TheGame);
        Render();
        if (!Splash) {
            Splash = new FrmSplash(this, AssetFolder);
            connect(Splash, &FrmSplash::TableHeld, this, [this](bool Held) {
                if (Held)
                    TheGame->Flow.Hold();
                else
                    TheGame->Flow.Release();
                Render();
            });
        }
        Splash->ShowAbout();
    });
}

void FrmTable::BuildMenuBarKeys() {
    auto* OpenMenus = new QAction(this);
    OpenMenus->setObjectName(QStringLiteral("MenuBarKey"));
    OpenMenus->setShortcut(Qt::Key_F10);
    addAction(OpenMenus);
    connect(OpenMenus, &QAction::triggered, this, &FrmTable::OpenMenuBar);
}

void FrmTable::OpenMenuBar() {
    for (QAction* Top : menuBar()->actions())
        if (Top->isEnabled() && Top->isVisible()) {
            menuBar()->setActiveAction(Top);
            return;
        }
}

// Alt pressed and released with no other key or click between opens the menu bar, as desktops do.
void FrmTable::WatchAltAlone(const QEvent* Event) {
    const auto* Pressed = static_cast<const QKeyEvent*>(Event);
    switch (Event->type()) {
    case QEvent::KeyPress:
        if (!Pressed->isAutoRepeat()) AltAlone = Pressed->key() == Qt::Key_Alt;
        break;
    case QEvent::KeyRelease:
        if (Pressed->key() == Qt::Key_Alt && AltAlone && !QApplication::activePopupWidget()) OpenMenuBar();
        if (!Pressed->isAutoRepeat()) AltAlone = false;
        break;
    case QEvent::MouseButtonPress:
        AltAlone = false;
        break;
    default:
        break;
    }
}

void FrmTable::BuildTable() {
    DisplayModel& V = TheGame->View;
    auto* TableRoom = new RoomWidget(this);
    TableRoom->setObjectName(QStringLiteral("Room"));
    TableRoom->setMinimumSize(TableScale(SmallestScale).TableSize());
    TableRoom->OnResize = [this] { FitToRoom(); };
    Room = TableRoom;
    setCentralWidget(Room);
    // The table lets the room's dark blue show through, so no pixel is filled twice.
    Client = new QWidget(Room);
    Client->setObjectName(QStringLiteral("Table"));

    // Created bottom to top: the felt, the trick piles, the cards, then names and frames.
    Shape1 = new FeltWidget(Client);
    Shape1->setObjectName(QStringLiteral("Shape1"));

    const std::array<const char*, SeatCount> PileNames = {"ImgBackP", "ImgBackWest", "ImgBackNorth",
                                                          "ImgBackEast"};
    for (uint8_t Seat = 0; Seat < SeatCount; ++Seat) {
        for (size_t K = 1; K <= 13; ++K) {
            auto* Back = new PictureWidget(Client, Pics);
            Back->setObjectName(QStringLiteral("%1%2").arg(QString::fromLatin1(PileNames[Seat])).arg(K));
            Back->SetPicture(Pictures::PileBack);
            Back->OnClick = [this] {
                if (OpenReview(*TheGame)) Render();
            };
            Piles[Seat][K] = Back;
        }
        const std::array<const char*, SeatCount> Whose = {"Your", "Rodrick's", "Desmond's", "Beatrix's"};
        DescribeTrickPile({Piles[Seat].begin() + 1, Piles[Seat].end()}, QString::fromLatin1(Whose[Seat]));
    }

    for (size_t K = 1; K <= CardCount; ++K) {
        auto* Card = new PictureWidget(Client, Pics);
        Card->setObjectName(QStringLiteral("Cds%1").arg(K));
        Card->OnClick = [this, K] { Clicked({Element::Card, static_cast<int>(K)}); };
        OfferClick(
            Card, QAccessible::Graphic, [Card] { Card->OnClick(); },
            [this, K] { return TheGame->State.Deck[K].Holder == Human; });
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
        if (const std::optional<Clickable> Target = Box->Click) {
            Widget->OnClick = [this, Target] { Clicked(*Target); };
            OfferClick(Widget, QAccessible::Button, [Label = Widget] { Label->OnClick(); });
        }
    for (auto& [Box, Button] : Buttons)
        if (const std::optional<Clickable> Target = Box->Click) {
            connect(Button, &QPushButton::clicked, this, [this, Target] { Clicked(*Target); });
            OfferClick(Button, QAccessible::Button, [Button] { Button->click(); });
        }
    for (auto& [Box, Frame] : Frames)
        Frame->raise();
    Mark = new FocusFrame(Client);
    Reviewer = new ReviewWidget(Client, Pics);
    Reviewer->OnStep = [this](int By) {
        StepReview(*TheGame, By);
        Render();
    };
    Reviewer->OnClose = [this] {
        CloseReview(*TheGame);
        Render();
    };
    BuildStatusBar();
    ScaleTo(Scale);
}

void FrmTable::FitToScreen() {
    const QSize Bars(0, menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    const double Fits = TableScale::ToFit(RoomOnScreen(this) - Bars);
    const TableScale Opening(std::clamp(Fits, SmallestScale, 1.0));
    resize(Opening.TableSize() + Bars);
    ScaleTo(Opening);
    if (!screen()) return;
    const QRect Available = screen()->availableGeometry();
    const QSize Framed = size().grownBy(FrameAround(this));
    move(Available.left() + std::max(0, (Available.width() - Framed.width()) / 2),
         Available.top() + std::max(0, (Available.height() - Framed.height()) / 2));
}

void FrmTable::FitToRoom() {
    const TableScale Fitted(std::max(SmallestScale, TableScale::ToFit(Room->size())));
    if (Fitted != Scale) ScaleTo(Fitted);
    const QSize Table = Scale.TableSize();
    Client->setGeometry(
        QRect(QPoint((Room->width() - Table.width()) / 2, (Room->height() - Table.height()) / 2), Table));
    if (MsgBox->isVisible()) CentreOverTable(MsgBox);
}

void FrmTable::ScaleTo(const TableScale& NewScale) {
    Scale = NewScale;
    DisplayModel& V = TheGame->View;
    Client->resize(Scale.TableSize());
    Shape1->setGeometry(Scale.Box(V.Shape1));
    const QSize PileSize(Scale.Length(V.ImgBackP[1].Place.Width), Scale.Length(V.ImgBackP[1].Place.Height));
    for (uint8_t Seat = 0; Seat < SeatCount; ++Seat)
        for (size_t K = 1; K <= 13; ++K) {
            const Rect& Place = V.Pile(Seat)[K].Place;
            Piles[Seat][K]->setGeometry(QRect(Scale.At(Place.Left, Place.Top), PileSize));
        }
    // Cards all have the one size, so each picture is made once for a scale.
    for (size_t K = 1; K <= CardCount; ++K)
        Cds[K]->resize(Scale.Length(CardWidth), Scale.Length(CardHeight));
    MsgBox->SetScale(Scale);
    Reviewer->setGeometry(QRect(QPoint(0, 0), Scale.TableSize()));
    Render();
}

void FrmTable::moveEvent(QMoveEvent* Event) {
    QMainWindow::moveEvent(Event);
    if (MsgBox->isVisible()) CentreOverTable(MsgBox);
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
    // The panels keep the table's lettering at its designed size whatever the table's scale.
    for (QLabel* Panel : {StatusPanel1, StatusPanel2}) {
        Panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        Panel->setTextFormat(Qt::PlainText);
        Panel->setFont(TableFont());
    }
    // A long message is cut at the window's edge rather than hold the window wide.
    StatusPanel2->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(StatusPanel1);
    statusBar()->addWidget(StatusPanel2, 1);
    Announcer = new StatusAnnouncer(statusBar());
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
        NameInput_Closed(*TheGame, std::move(Typed));
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
    FitToScreen();
    show();
    Render();
    TheGame->Flow.Run(Form_Load(*TheGame));
    Render();
}

void FrmTable::RenderCards() {
    DisplayModel& V = TheGame->View;
    bool Restack = false;
    for (size_t K = 1; K <= CardCount; ++K) {
        const CardBox& Box = V.Cds[K];
        PictureWidget* Card = Cds[K];
        if (Card->SetPicture(Box.Picture))
            Card->setAccessibleName(Box.Picture == BackPicture
                                        ? QStringLiteral("Card, face down")
                                        : QString::fromStdString(SpokenName(TheGame->State.Deck[Box.Picture])));
        const QPoint At = Scale.At(Box.Left, Box.Top);
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
    for (size_t K : Order)
        if (V.Cds[K].InFrontOfAll) Cds[K]->raise();
}

void FrmTable::RenderPile(const TrickPile& Pile, std::array<PictureWidget*, 14>& Widgets) {
    for (size_t K = 1; K <= 13; ++K)
        Widgets[K]->setVisible(Pile[K].Visible);
}

QWidget* FrmTable::WidgetOf(Clickable Target) const {
    if (Target.What == Element::Card && Target.Index >= 1 && Target.Index <= CardCount)
        return Cds[static_cast<size_t>(Target.Index)];
    for (const auto& [Box, Label] : Labels)
        if (Box->Click == Target) return Label;
    for (const auto& [Box, Button] : Buttons)
        if (Box->Click == Target) return Button;
    return nullptr;
}

// A card of the hand lies partly under its neighbour: the ring goes round the part that is seen.
QRect FrmTable::SeenPart(Clickable Target, const QRect& Whole) const {
    if (Target.What != Element::Card) return Whole;
    const auto K = static_cast<size_t>(Target.Index);
    QRegion Seen(Whole);
    for (size_t J = 1; J <= CardCount; ++J)
        if (J != K && Cds[J]->isVisible() && StackedZOrder[J] > StackedZOrder[K]) Seen -= Cds[J]->geometry();
    return Seen.isEmpty() ? Whole : Seen.boundingRect();
}

void FrmTable::RenderFocus() {
    const FocusMark& Now = TheGame->View.Focus;
    QWidget* On = Now.Shown ? WidgetOf(Now.On) : nullptr;
    if (On && On->isVisible())
        Mark->Ring(SeenPart(Now.On, QRect(On->mapTo(Client, QPoint(0, 0)), On->size())), Scale.Factor);
    else
        Mark->hide();
    if (Now == Announced) return;
    Announced = Now;
    // The message box tells of its own buttons.
    if (Now.Shown && Now.On.What != Element::MessageButton) AnnounceFocus(On);
}

void FrmTable::Render() {
    DisplayModel& V = TheGame->View;
    ShowFocus(*TheGame);
    Shape1->setVisible(V.Shape1Visible);
    for (uint8_t Seat = 0; Seat < SeatCount; ++Seat)
        RenderPile(V.Pile(Seat), Piles[Seat]);
    RenderCards();
    auto ScaleIn = [this, &V](FrameId In) {
        return In == FrameId::None ? Scale : Scale.Inside(V.Frame(In).Place);
    };
    for (auto& [Box, Frame] : Frames)
        Frame->Show(*Box, Scale);
    for (auto& [Box, Label] : Labels)
        Label->Show(*Box, ScaleIn(Box->In));
    for (auto& [Box, Button] : Buttons)
        Button->Show(*Box, ScaleIn(Box->In));
    Announcer->Show({{StatusPanel1, QString::fromStdString(V.StatusPanel1)},
                     {StatusPanel2, QString::fromStdString(V.StatusPanel2)}});
    for (auto [Menu, Enabled] : {std::pair{MnuGame, V.MnuGameEnabled}, std::pair{MnuHelp, V.MnuHelpEnabled},
                                 std::pair{MnuOptions, V.MnuOptionsEnabled}}) {
        // The shortcuts rest with their menu, so F2 cannot start a game in the middle of a deal.
        Menu->menuAction()->setEnabled(Enabled);
        for (QAction* Item : Menu->actions())
            Item->setEnabled(Enabled);
    }
    RenderFocus();
    RenderReviewAndHint();
    MsgBox->Sync();
    SyncNameInput();
    SyncQuit();
}

void FrmTable::BuildReviewAndHint(QMenu* View) {
    View->addSeparator();
    MnuLastTrick = View->addAction(QStringLiteral("Last Trick"));
    MnuLastTrick->setObjectName(QStringLiteral("MnuLastTrick"));
    MnuLastTrick->setShortcut(Qt::Key_L);
    connect(MnuLastTrick, &QAction::triggered, this, [this] { ToggleReview(); });

    MnuHelp->addSeparator();
    MnuHint = MnuHelp->addAction(QStringLiteral("Hint"));
    MnuHint->setObjectName(QStringLiteral("MnuHint"));
    MnuHint->setShortcut(Qt::Key_H);
    connect(MnuHint, &QAction::triggered, this, [this] {
        if (GiveHint(*TheGame)) Render();
    });
}

void FrmTable::ToggleReview() {
    if (Reviewing(*TheGame))
        CloseReview(*TheGame);
    else
        OpenReview(*TheGame);
    Render();
}

// While the review is open the arrows step through the hand and Escape closes it; no other key
// reaches the table.
bool FrmTable::ReviewKey(const QKeyEvent& Event) {
    switch (Event.key()) {
    case Qt::Key_Left:
        StepReview(*TheGame, -1);
        break;
    case Qt::Key_Right:
        StepReview(*TheGame, 1);
        break;
    case Qt::Key_Escape:
        CloseReview(*TheGame);
        break;
    case Qt::Key_L:
        return false;
    default:
        return !Event.modifiers().testAnyFlags(Qt::AltModifier | Qt::ControlModifier) && Event.key() != Qt::Key_F1 &&
               Event.key() != Qt::Key_F2 && Event.key() != Qt::Key_F10;
    }
    Render();
    return true;
}

void FrmTable::RenderReviewAndHint() {
    Game& G = *TheGame;
    ShowReview(G);
    ShowHintOffer(G);
    const DisplayModel& V = G.View;
    MnuLastTrick->setEnabled(V.Review.Offered || V.Review.Visible);
    MnuHint->setEnabled(V.MnuHelpEnabled && V.Hint.Offered);
    if (Reviewer->Show(V.Review, Scale)) Announcer->Tell(QString::fromStdString(V.Review.Spoken));
    if (Reviewer->isVisible()) Reviewer->raise();
    if (V.Hint.Given != HintsTold) {
        HintsTold = V.Hint.Given;
        Announcer->Tell(QString::fromStdString(V.Hint.Said));
    }
}

} // namespace tarnwick
