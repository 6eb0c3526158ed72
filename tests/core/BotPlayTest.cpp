// SPDX-License-Identifier: GPL-3.0-or-later
#include "CardTable.h"

#include "rules/BotPlay.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using namespace tarnwick;
using namespace tarnwick::test;

using PlayRoutine = int16_t (*)(const GameState&, uint8_t);

struct PlayCase {
    const char* Why;
    const char* Hand;
    const char* Gone;
    const char* Trick;
    const char* Expected;
};

void ExpectPlay(PlayRoutine Play, const PlayCase& Case) {
    SCOPED_TRACE(Case.Why);
    EXPECT_EQ(Play(TableFor(Case.Hand, Case.Gone, Case.Trick), Me), Named(Case.Expected));
}

TEST(BotPlayLead, AcesThenMasterCardsThenLow) {
    const PlayCase Cases[] = {
        {"the Ace of Clubs before the Ace of Hearts", "AH AC 2D", "", "", "AC"},
        {"the Ace of Diamonds first", "AC AD", "", "", "AD"},
        {"never the Ace of Spades: the lowest heart", "AS 9H 4H", "", "", "4H"},
        {"an Ace before a master King", "KD AH", "AD", "", "AH"},
        {"every King before any Queen", "QD KC", "AC AD KD", "", "KC"},
        {"master Kings in suit order", "KH KD", "AH AD", "", "KD"},
        {"a King whose Ace is still out is not led", "KH 3C", "", "", "3C"},
        {"a master Queen", "QH 5D", "AH KH", "", "QH"},
        {"a master Jack", "JC 2D", "QC KC AC", "", "JC"},
        {"a Queen whose King is still out is not led", "QC 3D", "AC", "", "3D"},
        {"another suit's Ace gone makes no King master", "KH 3D", "AD", "", "3D"},
        {"a Ten is never a master card", "TH 4D", "JH QH KH AH", "", "4D"},
        {"no master King in spades", "KS 3S 9H", "AS", "", "3S"},
        {"spades broken: the Two of Spades before the Three of Diamonds", "3D 2S", "5S", "", "2S"},
        {"spades unbroken: the lowest non-spade by value", "9D 2C 2S", "", "", "2C"},
        {"spades unbroken, two Fours: the Club before the Heart", "4H 4C 2S", "", "", "4C"},
        {"spades unbroken and only spades: the lowest spade", "KS 4S 9S", "", "", "4S"},
    };
    for (const auto& Case : Cases)
        ExpectPlay(BotLeads, Case);
}

TEST(BotPlaySecond, TakesTheLeadWithAceMasterOrCheapestCard) {
    const PlayCase Cases[] = {
        {"the master King over the Ten", "KH 4H", "AH", "TH", "KH"},
        {"the Queen when the Ace is still out", "KH QH", "", "TH", "QH"},
        {"a master Queen before a cheaper winner", "QH 9H", "AH KH", "4H", "QH"},
        {"the Ace when it holds it", "JH AH", "", "TH", "AH"},
        {"under a led Ace: the lowest heart", "KH 2H", "", "AH", "2H"},
        {"cannot beat, holding a spade: the lowest heart", "9H 3H AS", "", "TH", "3H"},
        {"no master King in spades", "KS 7S", "AS", "5S", "7S"},
        {"the Ace of Spades over a led spade", "AS 7S", "", "5S", "AS"},
        {"void: trumps low though spades are unbroken", "9S 5S 2C", "", "5H", "5S"},
        {"void and spadeless: lowest by value", "9D 2C", "", "5H", "2C"},
        {"void in led spades: lowest by value", "9D 2C", "", "5S", "2C"},
    };
    for (const auto& Case : Cases)
        ExpectPlay(BotPlaysSecond, Case);
}

TEST(BotPlayThird, BeatsTheWinnerCheaplyOrThrowsOffInDeckOrder) {
    const PlayCase Cases[] = {
        {"the King over the Queen", "9H KH", "", "5H QH", "KH"},
        {"the cheapest heart above the winner", "7H TH KH", "", "5H 9H", "TH"},
        {"no Ace or master rule in third place", "KH AH 2H", "", "5H QH", "KH"},
        {"trumped: the lowest heart", "KH 9H", "", "5H 3S", "9H"},
        {"cannot win: the lowest heart", "JH 9H", "", "5H QH", "9H"},
        {"void over a spade: the Nine above the Three", "2S 9S", "", "5H 3S", "9S"},
        {"void, no higher spade: the first card in deck order", "2S 7D", "", "5H 3S", "7D"},
        {"void, only the Two of Spades", "2S", "", "5H 3S", "2S"},
        {"void, untrumped: the lowest spade", "7S 3S 2C", "", "5H 8H", "3S"},
        {"void and spadeless: the Diamond Nine before the Club Two", "2C 9D", "", "5H 8H", "9D"},
        {"void in led spades: deck order", "2C 9D", "", "5S 9S", "9D"},
        {"spades led: the cheapest spade above", "TS KS", "", "5S 9S", "TS"},
    };
    for (const auto& Case : Cases)
        ExpectPlay(BotPlaysThird, Case);
    // Desmond's card of the last trick, still in his place, is not on the table yet.
    GameState S = TableFor("KH 9H", "", "5H QH");
    S.PlayedCard[Me] = Named("AS");
    EXPECT_EQ(BotPlaysThird(S, Me), Named("KH"));
}

TEST(BotPlayFourth, BeatsTheWinnerCheaplyOrThrowsOffByValue) {
    const PlayCase Cases[] = {
        {"the King over the Queen", "9H KH", "", "5H QH 8D", "KH"},
        {"only lower hearts, and a spade: the lowest heart", "JH 2H 9H 2S", "", "5H QH 8D", "2H"},
        {"trumped: the lowest heart", "KH 2H", "", "5H 3S AH", "2H"},
        {"void over the Nine of Spades: the Ten", "KS TS", "", "5H 8H 9S", "TS"},
        {"void, no higher spade: lowest by value, a losing spade", "3D 2S", "", "5H 8H 9S", "2S"},
        {"void, untrumped: the lowest spade", "7S 2S 2C", "", "5H 8H 9H", "2S"},
        {"void and spadeless: the Club Two before the Diamond Nine", "9D 2C", "", "5H 8H 9H", "2C"},
        {"void and spadeless, two Fives: the Diamond", "5H 5D", "", "5C 8C 9C", "5D"},
        {"spades led: a higher spade", "AS TS", "", "5S KS 9S", "AS"},
        {"spades led, nothing higher: the lowest spade", "TS 2S", "", "5S KS 9S", "2S"},
    };
    for (const auto& Case : Cases)
        ExpectPlay(BotPlaysFourth, Case);
}

} // namespace
