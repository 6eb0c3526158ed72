// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/MFormDeluxe.h"

#include "gui/AccessibleClick.h"
#include "gui/AccessibleListing.h"
#include "gui/FocusFrame.h"
#include "gui/KeepInFront.h"
#include "gui/KeyMap.h"
#include "gui/Pictures.h"
#include "gui/TableWidgets.h"
#include "commands/Clicks.h"
#include "flow/MessageBox.h"

#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <utility>

namespace tarnwick {

namespace {

constexpr Rgb BoxBack{64, 64, 64};
constexpr Rgb TitleBack{255, 192, 128};
constexpr Rgb MessageGreen{0, 255, 0};
constexpr Rgb ButtonOrange{255, 128, 0};
constexpr Rgb CaptionYellow{255, 255, 0};
constexpr Rgb Light{240, 240, 240};
constexpr Rgb Dark{128, 128, 128};

// The pictures beside the message were drawn 32 pixels square.
constexpr int MessagePicturePixels = 32;

// One line of the message takes 240 twips, whatever font stands in for the one the box was
// drawn with, so a one-line message always gives the box its designed height.
constexpr double MessageLineTwips = 240;

QFont MessageFont(const TableScale& Scale) {
    QFont F(QStringLiteral("Segoe UI"));
    F.setPixelSize(Scale.FontPixels(14));
    F.setBold(true);
    return F;
}

void SetColours(QWidget* W, Rgb Back, Rgb Fore) {
    QPalette Colours = W->palette();
    Colours.setColor(QPalette::Window, ToQColor(Back));
    Colours.setColor(QPalette::WindowText, ToQColor(Fore));
    W->setPalette(Colours);
}

bool SameQuestion(const MessageBoxModel& A, const MessageBoxModel& B) {
    return A.Title == B.Title && A.Prompt == B.Prompt && A.Captions == B.Captions &&
           A.PictureNo == B.PictureNo;
}

} // namespace

// The message: green words wrapped at the box's width, a fixed pitch apart.
class MsgText final : public QLabel {
public:
    explicit MsgText(QWidget* Parent) : QLabel(Parent) { setTextFormat(Qt::PlainText); }

    void SetScale(const TableScale& Scale) {
        setFont(MessageFont(Scale));
        Pitch = Scale.Length(MessageLineTwips);
    }

    // How many lines the message needs at the given width.
    int Lines(int Width) {
        QTextLayout Layout(Shaped(), font(), this);
        return std::max(1, LayOutLines(Layout, Width, Pitch));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter P(this);
        P.fillRect(rect(), ToQColor(BoxBack));
        P.setPen(ToQColor(MessageGreen));
        QTextLayout Layout(Shaped(), font(), this);
        LayOutLines(Layout, width(), Pitch);
        Layout.draw(&P, QPointF(0, 0));
    }

private:
    int Pitch = 20;

    // Line breaks written into the message stay line breaks.
    QString Shaped() const {
        QString Text = text();
        Text.remove(QLatin1Char('\r'));
        Text.replace(QLatin1Char('\n'), QChar::LineSeparator);
        return Text;
    }

    static int LayOutLines(QTextLayout& Layout, int Width, int Pitch) {
        QTextOption Option(Qt::AlignLeft);
        Option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        Layout.setTextOption(Option);
        Layout.beginLayout();
        int Count = 0;
        for (QTextLine Line = Layout.createLine(); Line.isValid(); Line = Layout.createLine()) {
            Line.setLineWidth(Width);
            const double Centring = std::floor((Pitch - Line.height()) / 2);
            Line.setPosition(QPointF(0, Count * Pitch + std::max(0.0, Centring)));
            ++Count;
        }
        Layout.endLayout();
        return Count;
    }
};

// A button's caption. A press draws its button pressed; only a press and release on the caption
// itself answers. Nothing raises the button again on release: it stays pressed until the box is
// answered and shown anew.
class MsgCaption final : public QLabel {
public:
    explicit MsgCaption(QWidget* Parent) : QLabel(Parent) {
        setTextFormat(Qt::PlainText);
        setAlignment(Qt::AlignCenter);
        SetColours(this, ButtonOrange, CaptionYellow);
    }

    std::function<void()> OnPress, OnClick;

protected:
    void mousePressEvent(QMouseEvent* Event) override {
        Event->accept();
        if (OnPress) OnPress();
    }
    void mouseReleaseEvent(QMouseEvent* Event) override {
        Event->accept();
        if (Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint()) && OnClick)
            OnClick();
    }
};

// An orange panel drawn raised or pressed with light and dark lines, its caption inside.
class MsgButton final : public QWidget {
public:
    MsgButton(QWidget* Parent, int Index) : QWidget(Parent), Caption(new MsgCaption(this)) {
        setObjectName(QStringLiteral("Pic1_%1").arg(Index));
        Caption->setObjectName(QStringLiteral("Label1_%1").arg(Index));
    }

    MsgCaption* const Caption;

    void SetPressed(bool Down) {
        Pressed = Down;
        PlaceCaption();
        update();
    }

    void SetMarked(bool On, int Thick) {
        if (Marked == On && MarkThick == Thick) return;
        Marked = On;
        MarkThick = Thick;
        update();
    }

protected:
    void resizeEvent(QResizeEvent*) override { PlaceCaption(); }

    void paintEvent(QPaintEvent*) override {
        QPainter P(this);
        P.fillRect(rect(), ToQColor(ButtonOrange));
        const int Right = width() - 1, Bottom = height() - 1;
        P.setPen(ToQColor(Pressed ? Dark : Light));
        P.drawRect(0, 0, Right, Bottom);
        P.setPen(ToQColor(Pressed ? Light : Dark));
        P.drawLine(0, Bottom, Right, Bottom);
        P.drawLine(Right, Bottom, Right, 0);
        P.end();
        if (Marked) PaintRing(this, rect().adjusted(1, 1, -1, -1), MarkThick);
    }

private:
    // Pressed, the caption moves a pixel down and to the right.
    void PlaceCaption() {
        const int Inset = Pressed ? 2 : 1;
        Caption->setGeometry(Inset, Inset, width() - Inset - 1, height() - Inset - 1);
    }

    bool Pressed = false;
    bool Marked = false;
    int MarkThick = 2;
};

MFormDeluxe::MFormDeluxe(QWidget* Table, Game& G, QString AssetFolder, std::function<void()> RenderTable)
    : QDialog(Table, Qt::Dialog | Qt::FramelessWindowHint), G(G), AssetFolder(std::move(AssetFolder)),
      RenderTable(std::move(RenderTable)) {
    setObjectName(QStringLiteral("MFormDeluxe"));
    SetColours(this, BoxBack, MessageGreen);

    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setTextFormat(Qt::PlainText);
    Label3->setFrameStyle(QFrame::Box | QFrame::Plain);
    Label3->setLineWidth(1);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label3->setAutoFillBackground(true);
    SetColours(Label3, TitleBack, Colours::Black);

    Label2 = new MsgText(this);
    Label2->setObjectName(QStringLiteral("Label2"));

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->setAutoFillBackground(true);
    SetColours(Picture1, BoxBack, BoxBack);

    new KeepInFront(this);

    for (int I = 0; I < 3; ++I) {
        MsgButton* Button = new MsgButton(this, I);
        Button->Caption->OnPress = [Button] { Button->SetPressed(true); };
        Button->Caption->OnClick = [this, I] { PressButton(I); };
        OfferClick(Button->Caption, QAccessible::Button, [Caption = Button->Caption] {
            Caption->OnPress();
            Caption->OnClick();
        });
        Pic1[static_cast<size_t>(I)] = Button;
    }
    // The box is read as a dialog named by its title and described by its message; the strip,
    // the message and the picture would only repeat that.
    for (QWidget* Repeats :
         {static_cast<QWidget*>(Label3), static_cast<QWidget*>(Label2), static_cast<QWidget*>(Picture1)})
        LeaveUnlisted(Repeats);
}

void MFormDeluxe::Sync() {
    const MessageBoxModel& Box = G.View.MessageBox;
    if (!Box.Visible) {
        Shown.reset();
        if (isVisible()) {
            hide();
            // The keyboard goes back to the table, whatever the window manager would choose.
            if (parentWidget()) parentWidget()->window()->activateWindow();
        }
        return;
    }
    RenderFocus();
    if (isVisible() && Shown && SameQuestion(*Shown, Box)) return;
    Shown = Box;
    LayOut(Box);
    if (!isVisible()) open();
    // A window shown again keeps its old place in the stack of windows, which may be under the
    // help window or the about box; a question that cannot be reached could never be answered.
    raise();
    activateWindow();
}

void MFormDeluxe::SetScale(const TableScale& TableAt) {
    if (TableAt == Scale) return;
    Scale = TableAt;
    if (isVisible() && Shown) LayOut(*Shown);
}

void MFormDeluxe::LayOut(const MessageBoxModel& Box) {
    Label3->setFont(Scale.Font(16));
    Label2->SetScale(Scale);
    Label2->setText(QString::fromStdString(Box.Prompt));
    const int MessageLines = Label2->Lines(Scale.Length(MsgBoxMessageWidth));
    const MsgBoxGeometry L = LayOutMsgBox(Box, MessageLines * MessageLineTwips);

    setFixedSize(Scale.Box({0, 0, L.Width, L.Height}).size());
    Label3->setGeometry(Scale.Box(L.TitleStrip));
    Label3->setText(QString::fromStdString(Box.Title));
    setAccessibleName(Label3->text().trimmed());
    setAccessibleDescription(Label2->text());
    Label2->setGeometry(Scale.Box(L.Message));
    Picture1->setGeometry(Scale.Box(L.Picture));
    const QPixmap Drawn = Picture(Box.PictureNo);
    if (Drawn.isNull())
        Picture1->clear();
    else
        Picture1->setPixmap(Drawn);
    for (size_t I = 0; I < Pic1.size(); ++I) {
        MsgButton* Button = Pic1[I];
        Button->setGeometry(Scale.Box(L.Buttons[I]));
        Button->Caption->setFont(Scale.Font());
        Button->Caption->setText(QString::fromStdString(Box.Captions[I]));
        Button->SetPressed(false);
        Button->setVisible(L.ButtonShown[I]);
    }
    CentreOverTable(this);
    update();
}

void MFormDeluxe::PressButton(int Index) {
    Click(G, {Element::MessageButton, Index});
    // Whatever the answer leads to, a question asked next starts with every button raised.
    Shown.reset();
    Sync();
    if (RenderTable) RenderTable();
}

QPixmap MFormDeluxe::Picture(int PictureNo) const {
    const qreal Ratio = parentWidget() ? parentWidget()->devicePixelRatioF() : devicePixelRatioF();
    const int Side = Scale.Pixels(MessagePicturePixels);
    return LoadPicture(AssetFolder, QStringLiteral("msgpic%1").arg(PictureNo), QSize(Side, Side), Ratio);
}

void MFormDeluxe::reject() {}

void MFormDeluxe::RenderFocus() {
    const FocusMark& Now = G.View.Focus;
    const bool OnBox = Now.Shown && Now.On.What == Element::MessageButton;
    // The buttons are low: a thinner ring than the table's leaves their captions whole.
    const int ButtonRing = std::max(1, static_cast<int>(std::lround(Scale.Factor)));
    for (size_t I = 0; I < Pic1.size(); ++I)
        Pic1[I]->SetMarked(OnBox && Now.On.Index == static_cast<int>(I), ButtonRing);
    if (Now == Announced) return;
    Announced = Now;
    if (OnBox && Now.On.Index >= 0 && Now.On.Index < 3) AnnounceFocus(Pic1[static_cast<size_t>(Now.On.Index)]->Caption);
}

// Keys answer the box as a click on the marked caption would; any other key does nothing.
bool MFormDeluxe::Pressed(Key Target) {
    if (!PressKey(G, Target)) return false;
    if (!G.View.MessageBox.Visible) {
        Shown.reset();
        Sync();
        if (RenderTable) RenderTable();
    } else {
        RenderFocus();
    }
    return true;
}

void MFormDeluxe::keyPressEvent(QKeyEvent* Event) {
    if (const std::optional<Key> Target = TableKeyOf(*Event)) Pressed(*Target);
    Event->accept();
}

bool MFormDeluxe::focusNextPrevChild(bool Next) {
    Pressed(Next ? Key::Tab : Key::BackTab);
    return true;
}

// The dark box with its frame: a light outline, its bottom and right edges dark.
void MFormDeluxe::paintEvent(QPaintEvent*) {
    QPainter P(this);
    P.fillRect(rect(), ToQColor(BoxBack));
    const double W = width() * TwipsPerPixel / Scale.Factor, H = height() * TwipsPerPixel / Scale.Factor;
    const int Left = Scale.X(15), Top = Scale.Y(15), Right = Scale.X(W - 30), Bottom = Scale.Y(H - 30);
    P.setPen(ToQColor(Light));
    P.drawRect(Left, Top, Right - Left, Bottom - Top);
    P.setPen(ToQColor(Dark));
    P.drawLine(Left, Bottom, Right, Bottom);
    P.drawLine(Right, Bottom, Right, Scale.Y(30));
}

} // namespace tarnwick
