// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/GameEnd.h"

#include "rules/Scoring.h"
#include "records/Records.h"
#include "flow/SaveRecords.h"
#include "flow/ShowRecords.h"
#include "flow/Questions.h"
#include "flow/NewHand.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tarnwick {

namespace {

constexpr const char* NewGamePrompt = "Press F2 for a new game or Ctrl + x to exit.";

// What the human is told when a computer player has won, each in its own words.
constexpr std::array<const char*, SeatCount> LostTexts = {
    "",
    " , unfortunately Rodrick won this game.Fun money situation and games won can be seen from View Menu and "
    "final scores on the right. Press F2 for new game or Ctrl & X to exit game..",
    " unfortunately Desmond won this game. Fun money situation and games won can be seen from View Menu and "
    "final scores on the right. Press F2 for new game or Ctrl & X to exit game..",
    " unfortunately Beatrix won this game. Fun money situation and games won can be seen from View Menuand "
    "final scores on the right. Press F2 for new game or Ctrl & X to exit game..",
};

Question GameOver(const std::string& Prompt, int Picture) {
    return {Prompt, {"O.K", "", ""}, Picture, "Game Over"};
}

void CountTheWin(Game& G, uint8_t Winner) {
    // The count is kept in 16 bits, in memory and in Name.dat's readers: it stops at the top
    // rather than turn negative.
    int16_t& Won = G.State.GamesWon[Winner];
    if (Won < INT16_MAX) ++Won;
    ShowGamesWon(G, Winner);
    G.State.GameInProgress = false;
}

Task<> AnnounceWinner(Game& G, uint8_t Winner) {
    GameState& S = G.State;
    if (Winner == Human) {
        const Question Won =
            GameOver(S.PlayerName + " congratulations - you won this game. Your fun money and "
                                    "games won can be seen from View Menu and final scores on the "
                                    "right. Press F2 for new game or Ctrl & X to exit game.",
                     6);
        co_await MsgBoxDeluxe(G, Won);
        CountTheWin(G, Winner);
        SaveNameData(G);
        SaveMoneyData(G);
    } else {
        G.View.StatusPanel2 = NewGamePrompt;
        const Question Lost = GameOver(S.PlayerName + LostTexts[Winner], 7);
        co_await MsgBoxDeluxe(G, Lost);
        CountTheWin(G, Winner);
        SaveNameData(G);
    }
    ClearTable(G);
    G.View.StatusPanel2 = NewGamePrompt;
}

} // namespace

void SettleGame(Game& G) {
    GameState& S = G.State;
    S.GameWinner.fill(false);
    const auto Best = std::max_element(S.Score.begin(), S.Score.end());
    if (std::count(S.Score.begin(), S.Score.end(), *Best) > 1) return;
    const auto W = static_cast<size_t>(Best - S.Score.begin());
    S.GameWinner[W] = true;
    for (size_t O = 0; O < SeatCount; ++O)
        if (O != W) S.FunMoney[W] = AddToBalance(S.FunMoney[W], S.Score[W] - S.Score[O]);
    for (size_t O = 0; O < SeatCount; ++O)
        if (O != W) S.FunMoney[O] = AddToBalance(S.FunMoney[O], -(S.Score[W] - S.Score[O]));
    ShowMoney(G);
    SaveMoneyData(G);
    SaveNameData(G);
}

Task<> EndOfGameCheck(Game& G) {
    GameState& S = G.State;
    if (CheckForDraw(S)) {
        const Question Draw{S.PlayerName +
                                " As two players have the same score, we will play another hand until "
                                "there is a clear winner.",
                            {"O.K", "", ""},
                            5,
                            "A Draw"};
        G.Events->DrawAnnounced(S);
        co_await MsgBoxDeluxe(G, Draw);
    }
    if (!GameIsOver(S)) co_return;
    S.GameInProgress = false;
    G.View.StatusPanel2 = S.PlayerName + " The game is over.";
    SettleGame(G);
    const BySeat<int16_t> FinalScore = S.Score;
    const auto Winner = std::find(S.GameWinner.begin(), S.GameWinner.end(), true);
    if (Winner == S.GameWinner.end()) {
        G.Events->GameOver(S, FinalScore, -1);
        co_return;
    }
    const auto Seat = static_cast<uint8_t>(Winner - S.GameWinner.begin());
    co_await AnnounceWinner(G, Seat);
    G.Events->GameOver(S, FinalScore, Seat);
}

} // namespace tarnwick
