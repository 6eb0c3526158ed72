#pragma once
// Every question and announcement of the game goes through the program's own message box. The
// answer, 0 for the first button, is left in MsgAnswer; every confirmation proceeds on the first.

#include "state/Game.h"
#include "state/Task.h"

#include <array>
#include <functional>
#include <string>

namespace tarnwick {

struct Question {
    std::string Prompt;
    std::array<std::string, 3> Captions; // an empty caption shows no button
    int PictureNo = 1;
    std::string Title;
};

// Asked by the game itself: the hand waits for the answer.
Task<> MsgBoxDeluxe(Game& G, Question Q);

// Asked by a command from the menus: Then runs once the box has been answered. Nothing is asked
// while another box is still open.
void AskThen(Game& G, Question Q, std::function<void(Game&)> Then);

// A click on button Index of the open box.
void Label1_Click(Game& G, int Index);

// Where everything of the box lies, in twips, for a message that wraps to MessageHeight twips.
struct MsgBoxGeometry {
    double Width = 0, Height = 0;
    Rect TitleStrip, Message, Picture;
    std::array<Rect, 3> Buttons;
    std::array<bool, 3> ButtonShown{};
};
inline constexpr double MsgBoxMessageWidth = 3375;
MsgBoxGeometry LayOutMsgBox(const MessageBoxModel& Box, double MessageHeight);

} // namespace tarnwick
