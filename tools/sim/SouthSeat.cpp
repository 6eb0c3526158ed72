// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/SouthSeat.h"

#include "rules/BotPlay.h"
#include "flow/Bidding.h"
#include "rules/BotsBids.h"
#include "rules/Legality.h"
#include "commands/Clicks.h"

namespace tarnwick::sim {

namespace {

bool Taken(const GameState& S, int16_t Card) {
    return S.CardClickLock && S.CardClicked == Card;
}

} // namespace

int16_t SouthSeat::ChooseBid(const GameState& S) {
    return AdjustedForTarget(BotsBids(S.Deck, Human), S.Score[Human], S.TargetScore);
}

int16_t SouthSeat::FirstLegalCard(const GameState& S) {
    const bool Leading = HumanPlaceInTrick(S) == 1;
    for (int16_t K = 1; K <= CardCount; ++K)
        if (S.Deck[K].Holder == Human && IsLegalForHuman(S, K, Leading)) return K;
    return 0;
}

int16_t SouthSeat::ChooseCard(const GameState& S) {
    return BotPlaysPlace(S, Human, HumanPlaceInTrick(S));
}

void SouthSeat::Bid(Game& G) const {
    Click(G, {Element::BidNumber, ChooseBid(G.State)});
}

bool SouthSeat::Play(Game& G) {
    const int16_t Choice = ChooseCard(G.State);
    Click(G, {Element::Card, Choice});
    if (Taken(G.State, Choice)) return true;
    ++FallbackCount;
    const int16_t Legal = FirstLegalCard(G.State);
    Click(G, {Element::Card, Legal});
    return Legal != 0 && Taken(G.State, Legal);
}

} // namespace tarnwick::sim
