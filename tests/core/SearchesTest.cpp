#include "CardTable.h"

#include "ai/Searches.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace tarnwick;
using namespace tarnwick::test;

struct CardCase {
    const char* Why;
    const char* Hand;
    int16_t Expected;
};

TEST(SearchesLowest, LowestOfSuitIsTheFirstOfThatSuitInDeckOrder) {
    const GameState S = TableFor("JC 4C 2D AS 2S");
    EXPECT_EQ(LowestOfSuit(S.Deck, Me, Clubs), 16);
    EXPECT_EQ(LowestOfSuit(S.Deck, Me, Spades), Named("2S"));
    EXPECT_EQ(LowestOfSuit(S.Deck, Me, Hearts), 0);
    EXPECT_EQ(LowestOfSuit(S.Deck, Me, 0), 0);
    EXPECT_EQ(LowestOfSuit(S.Deck, Me, 5), 0);
    EXPECT_EQ(LowestOfSuit(S.Deck, Rest, Clubs), Named("2C"));
}

TEST(SearchesLowest, LowestCardGoesByValueBeforeSuit) {
    const CardCase Cases[] = {
        {"the Club Two before the Heart Two", "2H 2C", 14},
        {"the Two of Spades before the Three of Diamonds", "3D 2S", 40},
        {"a Club Two before a Diamond Nine", "9D 2C", Named("2C")},
        {"equal values: the Diamond first", "5H 5D 7C", Named("5D")},
        {"an empty hand", "", 0},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Why);
        EXPECT_EQ(LowestCard(TableFor(Case.Hand).Deck, Me), Case.Expected);
    }
}

TEST(SearchesLowest, LowestNonSpadeSkipsSpades) {
    const CardCase Cases[] = {
        {"only spades", "2S 9S", 0},
        {"a low spade is passed over", "2S 3D", Named("3D")},
        {"equal values: the Club before the Heart", "4H 4C 2S", Named("4C")},
        {"value before suit", "AD 6H", Named("6H")},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Why);
        EXPECT_EQ(LowestNonSpade(TableFor(Case.Hand).Deck, Me), Case.Expected);
    }
}

TEST(SearchesLowest, FirstInDeckOrderGoesBySuitBeforeValue) {
    const CardCase Cases[] = {
        {"the Diamond Nine before the Club Two", "2C 9D", Named("9D")},
        {"only spades: the lowest spade", "7S 2S", Named("2S")},
        {"an empty hand", "", 0},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Why);
        EXPECT_EQ(FirstInDeckOrder(TableFor(Case.Hand).Deck, Me), Case.Expected);
    }
}

TEST(SearchesLowest, LowestAboveStaysInTheSuitOfTheCardToBeat) {
    const GameState S = TableFor("5H 9H KH 2S");
    EXPECT_EQ(LowestAbove(S.Deck, Me, Named("8H")), Named("9H"));
    EXPECT_EQ(LowestAbove(S.Deck, Me, Named("4H")), Named("5H"));
    EXPECT_EQ(LowestAbove(S.Deck, Me, Named("KH")), 0);
    EXPECT_EQ(LowestAbove(S.Deck, Me, Named("AC")), 0);
}

TEST(SearchesHolding, SuitLedSpadesAndCounts) {
    const GameState S = TableFor("3H QH 2C", "", "9H");
    EXPECT_TRUE(HasSuitLed(S, Me));
    EXPECT_FALSE(HasSpade(S.Deck, Me));
    EXPECT_TRUE(HasSpade(S.Deck, Rest));
    EXPECT_EQ(CountOfSuit(S.Deck, Me, Hearts), 2);
    EXPECT_EQ(CountOfSuit(S.Deck, Me, Diamonds), 0);
    EXPECT_EQ(CountOfSuit(S.Deck, Rest, Spades), 13);
    EXPECT_FALSE(HasSuitLed(TableFor("3H", "", "9S"), Me));
}

TEST(SearchesMaster, OnlyKingQueenOrJackOfAPlainSuitWithEverythingAboveGone) {
    const struct {
        const char* Why;
        const char* Card;
        const char* Gone;
        bool Expected;
    } Cases[] = {
        {"King with the Ace gone", "KH", "AH", true},
        {"King with the Ace still out", "KH", "", false},
        {"Queen with King and Ace gone", "QC", "AC KC", true},
        {"Queen with only the Ace gone", "QC", "AC", false},
        {"Jack with Queen, King and Ace gone", "JD", "QD KD AD", true},
        {"never a Ten", "TH", "JH QH KH AH", false},
        {"never in spades", "KS", "AS", false},
        {"an Ace is no master card", "AH", "", false},
        {"another suit's Ace does not count", "KH", "AD", false},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Why);
        EXPECT_EQ(IsMasterCard(TableFor(Case.Card, Case.Gone).Deck, Named(Case.Card)), Case.Expected);
    }
}

TEST(SearchesTrick, CanBeatLead) {
    const struct {
        const char* Why;
        const char* Hand;
        const char* Lead;
        bool Expected;
    } Cases[] = {
        {"nothing beats a led Ace", "2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH", "AH", false},
        {"void with a spade", "2S 4C", "AH", true},
        {"void without a spade", "4C", "5H", false},
        {"a higher card of the suit", "JH", "TH", true},
        {"only lower cards of the suit, and a spade", "9H AS", "TH", false},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Why);
        EXPECT_EQ(CanBeatLead(TableFor(Case.Hand, "", Case.Lead), Me), Case.Expected);
    }
}

TEST(SearchesTrick, WinningCardSoFar) {
    const struct {
        const char* Trick;
        uint8_t Position;
        const char* Expected;
    } Cases[] = {
        {"5H QH 8D", 4, "QH"}, {"5H 3S AH", 4, "3S"}, {"5H 3S 9S", 4, "9S"},
        {"5H QD", 3, "5H"},    {"KS 2S", 3, "KS"},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Trick);
        EXPECT_EQ(WinningCardSoFar(TableFor("", "", Case.Trick), Case.Position), Named(Case.Expected));
    }

    // In third place the third card is not on the table yet, whatever its variable still holds.
    GameState S = TableFor("", "", "5H 8H");
    S.ThirdCard = Named("AS");
    EXPECT_EQ(WinningCardSoFar(S, 3), Named("8H"));
    EXPECT_EQ(WinningCardSoFar(S, 2), 0);
    EXPECT_EQ(WinningCardSoFar(S, 5), 0);
}

TEST(SearchesTrick, CanWinTrickTrumpsWithoutComparingSpades) {
    const struct {
        const char* Why;
        const char* Hand;
        const char* Trick;
        const char* ToBeat;
        bool Expected;
    } Cases[] = {
        {"void, the Two of Spades against the Nine", "2S", "4H 9S", "9S", true},
        {"void, any spade against the Ace", "2S", "4H AS", "AS", true},
        {"hearts and a spade against a spade", "3H 2S", "4H 9S", "9S", true},
        {"hearts and no spade against a spade", "KH", "4H 9S", "9S", false},
        {"the King over the Queen", "KH", "QH", "QH", true},
        {"the Jack and a spade under the Queen", "JH AS", "QH", "QH", false},
        {"void and spadeless", "AC", "2H", "2H", false},
        {"spades led, a higher spade", "TS", "9S", "9S", true},
        {"spades led, only lower spades", "2S", "9S", "9S", false},
        {"spades led, void", "AH", "9S", "9S", false},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Why);
        EXPECT_EQ(CanWinTrick(TableFor(Case.Hand, "", Case.Trick), Me, Named(Case.ToBeat)), Case.Expected);
    }
}

} // namespace
