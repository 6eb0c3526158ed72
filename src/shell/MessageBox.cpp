#include "shell/MessageBox.h"

#include <utility>

namespace tarnwick {

void OpenMsgBox(Game& G, Question Q, std::function<void(Game&)> Then) {
    MessageBoxModel& Box = G.View.MessageBox;
    Box.Prompt = std::move(Q.Prompt);
    Box.Captions = std::move(Q.Captions);
    Box.PictureNo = Q.PictureNo;
    Box.Title = "   " + Q.Title;
    Box.Visible = true;
    G.AfterAnswer = std::move(Then);
    G.Sounds.PlayWave(Wave::RingOut);
    G.Steps.Hold();
}

void AskThen(Game& G, Question Q, std::function<void(Game&)> Then) {
    if (G.View.MessageBox.Visible || G.View.NameInput.Visible) return;
    OpenMsgBox(G, std::move(Q), std::move(Then));
}

void Label1_Click(Game& G, int Index) {
    MessageBoxModel& Box = G.View.MessageBox;
    if (!Box.Visible || Index < 0 || Index > 2 || Box.Captions.at(static_cast<size_t>(Index)).empty()) return;
    Box.Visible = false;
    G.State.MsgAnswer = static_cast<int16_t>(Index);
    if (auto Then = std::exchange(G.AfterAnswer, {})) Then(G);
    G.Steps.Release();
}

MsgBoxGeometry LayOutMsgBox(const MessageBoxModel& Box, double MessageHeight) {
    constexpr double ButtonWidth = 1275, ButtonHeight = 300, PictureSide = 510;
    MsgBoxGeometry L;
    L.Width = 4500;
    L.Height = MessageHeight + 1140;
    L.TitleStrip = {45, 60, L.Width - 90, 300};
    L.Message = {90, 450, MsgBoxMessageWidth, MessageHeight};
    L.Picture = {3870, L.Height / 2 - PictureSide / 2, PictureSide, PictureSide};
    const double Top = L.Height - ButtonHeight - 90;
    const double Centre = L.Width / 2;
    for (Rect& Button : L.Buttons)
        Button = {0, Top, ButtonWidth, ButtonHeight};
    L.ButtonShown = {true, !Box.Captions[1].empty(), !Box.Captions[2].empty()};
    if (L.ButtonShown[1] && L.ButtonShown[2]) {
        L.Buttons[1].Left = Centre - ButtonWidth / 2;
        L.Buttons[0].Left = Centre - ButtonWidth - ButtonWidth / 2 - 45;
        L.Buttons[2].Left = Centre + ButtonWidth / 2 + 45;
    } else if (L.ButtonShown[1]) {
        L.Buttons[0].Left = Centre - ButtonWidth - 23;
        L.Buttons[1].Left = Centre + 23;
    } else {
        L.Buttons[0].Left = Centre - ButtonWidth / 2;
    }
    return L;
}

} // namespace tarnwick
