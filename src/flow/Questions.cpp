// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/Questions.h"

#include <utility>

namespace tarnwick {

namespace {

void Opened(Game& G, FollowUp Then) {
    G.AfterAnswer = std::move(Then);
    G.Flow.Hold();
}

void Answered(Game& G, const Answer& Given) {
    FollowUp Then = std::exchange(G.AfterAnswer, {});
    if (Then) Then(G, Given);
    G.Flow.Release();
}

} // namespace

bool QuestionOpen(const Game& G) {
    return G.Asked.Open != OpenQuestion::Box::None;
}

bool MessageBoxOpen(const Game& G) {
    return G.Asked.Open == OpenQuestion::Box::Message;
}

bool NameBoxOpen(const Game& G) {
    return G.Asked.Open == OpenQuestion::Box::Name;
}

bool ButtonShown(const Game& G, int Index) {
    return MessageBoxOpen(G) && Index >= 0 && Index < static_cast<int>(G.Asked.Captions.size()) &&
           !G.Asked.Captions.at(static_cast<size_t>(Index)).empty();
}

bool Ask(Game& G, Question Q, FollowUp Then) {
    if (QuestionOpen(G)) return false;
    G.Asked = {OpenQuestion::Box::Message, Q.Captions};
    MessageBoxModel& Box = G.View.MessageBox;
    Box.Prompt = std::move(Q.Prompt);
    Box.Captions = std::move(Q.Captions);
    Box.PictureNo = Q.PictureNo;
    Box.Title = "   " + Q.Title;
    Box.Visible = true;
    G.Focus.Button = 0;
    G.Sounds.PlayWave(Wave::RingOut);
    Opened(G, std::move(Then));
    return true;
}

bool Ask(Game& G, TextQuestion Q, FollowUp Then) {
    if (QuestionOpen(G)) return false;
    G.Asked = {OpenQuestion::Box::Name, {}};
    G.View.NameInput = {true, std::move(Q.Prompt), std::move(Q.Title), std::move(Q.Proposed)};
    Opened(G, std::move(Then));
    return true;
}

void AnswerMessageBox(Game& G, int Button) {
    G.Asked = {};
    G.View.MessageBox.Visible = false;
    Answered(G, {Button, std::nullopt});
}

void AnswerNameInput(Game& G, std::optional<std::string> Typed) {
    G.Asked = {};
    G.View.NameInput.Visible = false;
    const int Button = Typed ? 0 : 1;
    Answered(G, {Button, std::move(Typed)});
}

} // namespace tarnwick
