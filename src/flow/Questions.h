// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every question of the game is asked one way: the box opens, the game stands still, and once the
// player answers, the box closes, the game goes on and the follow-up is handed the answer. Only
// one question is open at a time; asking while one is open asks nothing.

#include "flow/Answer.h"
#include "flow/Game.h"
#include "flow/Task.h"

#include <array>
#include <string>

namespace tarnwick {

// The program's own message box: a message, up to three buttons and one of nine pictures.
struct Question {
    std::string Prompt;
    std::array<std::string, 3> Captions; // an empty caption shows no button
    int PictureNo = 1;
    std::string Title;
};

// The box that asks for a line of text, proposing one.
struct TextQuestion {
    std::string Prompt;
    std::string Title;
    std::string Proposed;
};

// False, and nothing asked, while another question is open.
bool Ask(Game& G, Question Q, FollowUp Then);
bool Ask(Game& G, TextQuestion Q, FollowUp Then);

// Whether a question is open, and in which box.
bool QuestionOpen(const Game& G);
bool MessageBoxOpen(const Game& G);
bool NameBoxOpen(const Game& G);
// Whether the open message box shows its button Index (0 to 2).
bool ButtonShown(const Game& G, int Index);

// Asked by the hand itself, which co_awaits the result until the box is answered. Not a
// coroutine, and best given a named Question: a string-holding argument that has to live across a
// suspension is exactly what this compiler has been seen to copy wrongly.
[[nodiscard]] inline auto MsgBoxDeluxe(Game& G, const Question& Q) {
    Ask(G, Q, [](Game& Asker, const Answer&) { Asker.Flow.WakeHuman(HumanWait::Question); });
    return G.Flow.WaitForHuman(HumanWait::Question);
}

// The open message box closes with button Button clicked, the name box with the text typed (or
// nothing, cancelled): the follow-up is handed the answer and the game goes on.
void AnswerMessageBox(Game& G, int Button);
void AnswerNameInput(Game& G, std::optional<std::string> Typed);

} // namespace tarnwick
