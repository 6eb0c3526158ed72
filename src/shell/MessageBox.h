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

// Shows the box and stands the game still; Then runs once it has been answered.
void OpenMsgBox(Game& G, Question Q, std::function<void(Game&)> Then);

// Asked by the game itself: opens the box at once; the hand co_awaits the result to wait for the
// answer. Not a coroutine, and best given a named Question: a string-holding argument that has to
// live across a suspension is exactly what this compiler has been seen to copy wrongly.
[[nodiscard]] inline auto MsgBoxDeluxe(Game& G, const Question& Q) {
    OpenMsgBox(G, Q, [](Game& Asker) { Asker.Steps.WakeHuman(HumanWait::Answer); });
    return G.Steps.WaitForHuman(HumanWait::Answer);
}

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
