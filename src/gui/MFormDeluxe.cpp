#include "gui/MFormDeluxe.h"

#include "gui/KeepInFront.h"
#include "gui/Pictures.h"
#include "gui/TableWidgets.h"
#include "shell/MessageBox.h"

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

// One line of the message takes 240 twips, whatever font stands in for the one the box was
// drawn with, so a one-line message always gives the box its designed height.
constexpr int MessageLinePitch = 20;

QFont MessageFont() {
    QFont F(QStringLiteral("Segoe UI"));
    F.setPixelSize(14);
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
    explicit MsgText(QWidget* Parent) : QLabel(Parent) {
        setTextFormat(Qt::PlainText);
        setFont(MessageFont());
    }

    // How many lines the message needs at the given width.
    int Lines(int Width) {
        QTextLayout Layout(Shaped(), font(), this);
        return std::max(1, LayOutLines(Layout, Width));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter P(this);
        P.fillRect(rect(), ToQColor(BoxBack));
        P.setPen(ToQColor(MessageGreen));
        QTextLayout Layout(Shaped(), font(), this);
        LayOutLines(Layout, width());
        Layout.draw(&P, QPointF(0, 0));
    }

private:
    // Line breaks written into the message stay line breaks.
    QString Shaped() const {
        QString Text = text();
        Text.remove(QLatin1Char('\r'));
        Text.replace(QLatin1Char('\n'), QChar::LineSeparator);
        return Text;
    }

    static int LayOutLines(QTextLayout& Layout, int Width) {
        QTextOption Option(Qt::AlignLeft);
        Option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        Layout.setTextOption(Option);
        Layout.beginLayout();
        int Count = 0;
        for (QTextLine Line = Layout.createLine(); Line.isValid(); Line = Layout.createLine()) {
            Line.setLineWidth(Width);
            const double Centring = std::floor((MessageLinePitch - Line.height()) / 2);
            Line.setPosition(QPointF(0, Count * MessageLinePitch + std::max(0.0, Centring)));
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
        setFont(TableFont(14));
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
    }

private:
    // Pressed, the caption moves a pixel down and to the right.
    void PlaceCaption() {
        const int Inset = Pressed ? 2 : 1;
        Caption->setGeometry(Inset, Inset, width() - Inset - 1, height() - Inset - 1);
    }

    bool Pressed = false;
};

MFormDeluxe::MFormDeluxe(QWidget* Table, Game& G, QString AssetFolder, std::function<void()> AfterAnswer)
    : QDialog(Table, Qt::Dialog | Qt::FramelessWindowHint), G(G), AssetFolder(std::move(AssetFolder)),
      AfterAnswer(std::move(AfterAnswer)) {
    setObjectName(QStringLiteral("MFormDeluxe"));
    SetColours(this, BoxBack, MessageGreen);

    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setTextFormat(Qt::PlainText);
    Label3->setFont(TableFont(16));
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
        Button->Caption->OnClick = [this, I] { Answer(I); };
        Pic1[static_cast<size_t>(I)] = Button;
    }
}

void MFormDeluxe::Sync() {
    const MessageBoxModel& Box = G.View.MessageBox;
    if (!Box.Visible) {
        Shown.reset();
        if (isVisible()) hide();
        return;
    }
    if (isVisible() && Shown && SameQuestion(*Shown, Box)) return;
    Shown = Box;
    LayOut(Box);
    if (!isVisible()) open();
    // A window shown again keeps its old place in the stack of windows, which may be under the
    // help window or the about box; a question that cannot be reached could never be answered.
    raise();
    activateWindow();
}

void MFormDeluxe::LayOut(const MessageBoxModel& Box) {
    Label2->setText(QString::fromStdString(Box.Prompt));
    const int MessageLines = Label2->Lines(Px(MsgBoxMessageWidth));
    const MsgBoxGeometry L = LayOutMsgBox(Box, MessageLines * MessageLinePitch * TwipsPerPixel);

    setFixedSize(Px(L.Width), Px(L.Height));
    Label3->setGeometry(PxRect(L.TitleStrip));
    Label3->setText(QString::fromStdString(Box.Title));
    Label2->setGeometry(PxRect(L.Message));
    Picture1->setGeometry(PxRect(L.Picture));
    const QPixmap Drawn = Picture(Box.PictureNo);
    if (Drawn.isNull())
        Picture1->clear();
    else
        Picture1->setPixmap(Drawn);
    for (size_t I = 0; I < Pic1.size(); ++I) {
        MsgButton* Button = Pic1[I];
        Button->setGeometry(PxRect(L.Buttons[I]));
        Button->Caption->setText(QString::fromStdString(Box.Captions[I]));
        Button->SetPressed(false);
        Button->setVisible(L.ButtonShown[I]);
    }
    CentreOverTable(this);
    update();
}

void MFormDeluxe::Answer(int Index) {
    Label1_Click(G, Index);
    // Whatever the answer leads to, a question asked next starts with every button raised.
    Shown.reset();
    Sync();
    if (AfterAnswer) AfterAnswer();
}

QPixmap MFormDeluxe::Picture(int PictureNo) const {
    const qreal Ratio = parentWidget() ? parentWidget()->devicePixelRatioF() : devicePixelRatioF();
    return LoadPicture(AssetFolder, QStringLiteral("msgpic%1").arg(PictureNo), Ratio);
}

void MFormDeluxe::reject() {}

void MFormDeluxe::keyPressEvent(QKeyEvent* Event) {
    Event->accept();
}

// The dark box with its frame: a light outline, its bottom and right edges dark.
void MFormDeluxe::paintEvent(QPaintEvent*) {
    QPainter P(this);
    P.fillRect(rect(), ToQColor(BoxBack));
    const double W = width() * TwipsPerPixel, H = height() * TwipsPerPixel;
    const int Left = Px(15), Top = Px(15), Right = Px(W - 30), Bottom = Px(H - 30);
    P.setPen(ToQColor(Light));
    P.drawRect(Left, Top, Right - Left, Bottom - Top);
    P.setPen(ToQColor(Dark));
    P.drawLine(Left, Bottom, Right, Bottom);
    P.drawLine(Right, Bottom, Right, Px(30));
}

} // namespace tarnwick
