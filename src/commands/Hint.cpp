// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/Hint.h"

#include "rules/BotPlay.h"
#include "flow/Bidding.h"
#include "rules/BotsBids.h"
#include "rules/Legality.h"
#include "commands/Keys.h"
#include "commands/Review.h"

namespace tarnwick {

std::optional<Clickable> HintFor(const Game& G) {
    const GameState& S = G.State;
    switch (KeysActIn(G)) {
    case KeyPlace::Bids:
        if (!G.Flow.AwaitingHuman(HumanWait::Bid)) return std::nullopt;
        return Clickable{Element::BidNumber, AdjustedForTarget(BotsBids(S.Deck, Human), S.Score[Human], S.TargetScore)};
    case KeyPlace::Hand:
        return Clickable{Element::Card, BotPlaysPlace(S, Human, HumanPlaceInTrick(S))};
    default:
        return std::nullopt;
    }
}

bool GiveHint(Game& G) {
    const std::optional<Clickable> Hint = HintFor(G);
    if (!Hint) return false;
    if (Hint->What == Element::BidNumber) {
        G.Focus.Bid = Hint->Index;
        G.View.Hint.Said = Hint->Index == 0 ? "Hint: bid Nil" : "Hint: bid " + std::to_string(Hint->Index);
    } else {
        G.Focus.Card = static_cast<int16_t>(Hint->Index);
        G.View.Hint.Said = "Hint: play the " + SpokenName(G.State.Deck[Hint->Index]);
    }
    G.Focus.KeysUsed = true;
    G.View.Hint.Given = ++G.HintsGiven;
    ShowFocus(G);
    return true;
}

void ShowHintOffer(Game& G) {
    G.View.Hint.Offered = HintFor(G).has_value();
}

} // namespace tarnwick
