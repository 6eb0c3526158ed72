// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/MessageBox.h"

namespace tarnwick {

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
