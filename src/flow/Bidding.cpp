// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/Bidding.h"

#include "rules/BotsBids.h"
#include "flow/Pacing.h"

#include <array>
#include <string>

namespace tarnwick {

namespace {

// The texts the seat name labels take when the seat has bid, each followed by the bid.
constexpr std::array<const char*, SeatCount> HasBidTexts = {" has bid ", "Rodrick has bid ",
                                                            " Desmond has bid ", " Beatrix has bid "};

constexpr std::array<const char*, SeatCount> LeadTexts = {
    " please click on a card to play.", "Rodrick  will lead with a card.", "Desmond will lead with a card.",
    "Beatrix will lead with a card."};

void ShowHumanBid(Game& G) {
    const GameState& S = G.State;
    G.View.LblBid[Human].Caption = std::to_string(S.Bids[Human]);
    G.View.LblName.Caption = S.PlayerName + HasBidTexts[Human] + std::to_string(S.Bids[Human]);
}

void ShowBotBid(Game& G, uint8_t Seat) {
    const int16_t Bid = G.State.Bids[Seat];
    G.View.LblBid[Seat].Caption = std::to_string(Bid);
    G.View.SeatLabel(Seat).Caption = HasBidTexts[Seat] + std::to_string(Bid);
}

} // namespace

Task<> GetAllBids(Game& G) {
    GameState& S = G.State;
    for (int Turn = 0; Turn < SeatCount; ++Turn) {
        const uint8_t B = S.Bidder;
        if (B == Human) S.Bids[Human] = co_await GetPlayerBid(G);
        // The human's box is refreshed on every turn, showing 0 until the human has bid.
        ShowHumanBid(G);
        co_await Pause(G, Pauses::Bidding(S));
        if (B != Human) {
            S.Bids[B] = AdjustedForTarget(BotsBids(S.Deck, B), S.Score[B], S.TargetScore);
            ShowBotBid(G, B);
            co_await Pause(G, Pauses::Bidding(S));
        }
        G.Sounds.Beep();
        S.Bidder = NextSeat(B);
    }
    const std::string Lead = LeadTexts.at(S.FirstLeader);
    G.View.StatusPanel2 = S.FirstLeader == Human ? S.PlayerName + Lead : Lead;
    S.GameInProgress = true;
    G.Events->BiddingDone(S);
}

Task<int16_t> GetPlayerBid(Game& G) {
    GameState& S = G.State;
    G.View.StatusPanel2 = S.PlayerName + " click a number above for how many tricks you will make.";
    G.View.FramBids.Visible = true;
    S.BidClicked = -1;
    co_await G.Flow.WaitForHuman(HumanWait::Bid);
    const int16_t Bid = S.BidClicked;
    G.View.FramBids.Visible = false;
    co_return Bid;
}

} // namespace tarnwick
