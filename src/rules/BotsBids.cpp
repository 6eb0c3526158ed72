// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/BotsBids.h"

namespace tarnwick {

int16_t BotsBids(const DeckOfCards& Deck, uint8_t WhichBot) {
    int16_t Count = 0;
    for (int K = 1; K <= CardCount; ++K)
        if (Deck[K].Holder == WhichBot && (Deck[K].Value == 14 || Deck[K].Value == 13)) ++Count;
    if (Deck[QueenOfSpades].Holder == WhichBot) ++Count;
    return Count == 0 ? int16_t{1} : Count;
}

int16_t AdjustedForTarget(int16_t Bid, int16_t Score, int16_t TargetScore) {
    return 10 * Bid + Score + 10 == TargetScore ? static_cast<int16_t>(Bid + 1) : Bid;
}

} // namespace tarnwick
