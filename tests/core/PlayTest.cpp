// SPDX-License-Identifier: GPL-3.0-or-later
#include "CardTable.h"
#include "TestTable.h"

#include "flow/Tricks.h"
#include "rules/Legality.h"
#include "rules/Trick.h"
#include "commands/Clicks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace tarnwick;
using namespace tarnwick::test;

// A game dealt by Beatrix, so the human bids first and leads the first trick, waiting now for
// the human's first card.
struct HandUnderWay : ::testing::Test {
    Table T{BeatrixDealsFirst};
    GameState& S = T.G.State;
    DisplayModel& V = T.G.View;

    void SetUp() override {
        T.NewGame();
        Click(T.G, {Element::BidNumber, 3});
        T.Clock.RunUntilIdle();
        ASSERT_TRUE(T.G.Flow.AwaitingHuman(HumanWait::Card));
    }
};

// Nothing is broken yet, so a spade lead is refused with a message. A card of another seat, and a
// second card of the human's, clicked at once after the first, while the first is on its way or
// while the computer players are to play, are not heard at all; nor is the card already played.
TEST_F(HandUnderWay, OnlyALegalCardOfTheHumanInTurnIsTaken) {
    const std::vector<int> Hand = CardsOf(S, Human);
    ASSERT_TRUE(!IsSpade(Hand.front()) && IsSpade(Hand.back()));
    Click(T.G, {Element::Card, Hand.back()});
    EXPECT_EQ(V.StatusPanel2, "Player Sorry, you cannot play that card. Try again please");
    Click(T.G, {Element::Card, CardsOf(S, West).front()});
    T.Clock.RunUntilIdle();
    EXPECT_EQ(CardsOf(S, Human), Hand);
    ASSERT_TRUE(T.G.Flow.AwaitingHuman(HumanWait::Card));

    const int Lead = FirstLegal(S);
    const auto Same = std::find_if(Hand.begin(), Hand.end(),
                                   [&](int K) { return K != Lead && S.Deck[K].Suit == S.Deck[Lead].Suit; });
    ASSERT_NE(Same, Hand.end());
    Click(T.G, {Element::Card, Lead});
    for (const uint64_t Ms : {100, 300, 300}) {
        Click(T.G, {Element::Card, Lead});
        Click(T.G, {Element::Card, *Same});
        T.Clock.Advance(Ms);
    }
    EXPECT_EQ(S.Deck[*Same].Holder, Human);
    EXPECT_EQ(CardsLeft(S, Human), 12);
}

TEST_F(HandUnderWay, NewGameQuestionHoldsTheTrickUntilAnswered) {
    Click(T.G, {Element::Card, FirstLegal(S)});
    T.Clock.Advance(900);
    const BySeat<int16_t> Played = S.PlayedCard;
    Click(T.G, {Element::NewGame});
    ASSERT_TRUE(V.MessageBox.Visible);
    T.Clock.Advance(5000);
    EXPECT_EQ(S.PlayedCard, Played);
    Click(T.G, {Element::MessageButton, 1});
    EXPECT_TRUE(S.GameInProgress);
    // The pause that ran out meanwhile ends at once: the next computer card is on the table.
    EXPECT_NE(S.PlayedCard, Played);
}

// While the game stands still behind a modal window, a click on a card, a bid or Continue is not
// taken, not even later: only a click made once the game goes on again counts.
TEST(HumanClicks, NoneIsTakenWhileTheGameIsHeld) {
    Table T{BeatrixDealsFirst};
    Game& G = T.G;
    T.NewGame();
    ASSERT_TRUE(G.View.FramBids.Visible);
    G.Flow.Hold();
    Click(G, {Element::BidNumber, 3});
    G.Flow.Release();
    T.Clock.RunUntilIdle();
    EXPECT_TRUE(G.Flow.AwaitingHuman(HumanWait::Bid));
    Click(G, {Element::BidNumber, 2});
    T.Clock.RunUntilIdle();
    ASSERT_TRUE(G.Flow.AwaitingHuman(HumanWait::Card));
    EXPECT_EQ(G.State.Bids[Human], 2);

    const int16_t Card = FirstLegal(G.State);
    G.Flow.Hold();
    Click(G, {Element::Card, Card});
    EXPECT_FALSE(G.State.CardClickLock);
    G.Flow.Release();
    T.Clock.RunUntilIdle();
    EXPECT_EQ(G.State.Deck[Card].Holder, Human);
    PlayScripted(T, [&G] { return G.View.FramResults.Visible; });
    G.Flow.Hold();
    Click(G, {Element::Continue});
    EXPECT_TRUE(G.View.FramResults.Visible);
    G.Flow.Release();
}

// The lead sets the suit led; a spade that follows breaks spades; each card leaves its hand for
// its own place in the trick and counts as played. The places are read from the leader, whoever
// that is; the seats yet to play still show their cards of the trick before.
TEST(MoveToTrick, TakesTheCardFromItsHandIntoItsPlace) {
    GameState S;
    InitDeck(S.Deck);
    GiveCards(S, {Cards("3D"), Cards("2S 3C"), Cards("8D"), Cards("5H 9H")});
    S.PlayedCard = {Named("AD"), Named("KD"), Named("QD"), Named("JD")};
    S.Leader = East;
    MoveToTrick(S, East, Named("5H"), 1);
    EXPECT_EQ(FirstCard(S), Named("5H"));
    EXPECT_EQ(SecondCard(S), Named("AD"));
    EXPECT_EQ(S.SuitLed, Hearts);
    EXPECT_FALSE(S.SpadesBroken);
    MoveToTrick(S, Human, Named("3D"), 2);
    MoveToTrick(S, West, Named("2S"), 3);
    EXPECT_EQ(ThirdCard(S), Named("2S"));
    EXPECT_EQ(FourthCard(S), Named("QD"));
    EXPECT_EQ(S.SuitLed, Hearts);
    EXPECT_TRUE(S.SpadesBroken);
    EXPECT_EQ(CardsOf(S, East), std::vector<int>{Named("9H")});
    EXPECT_EQ(CardsOf(S, West), std::vector<int>{Named("3C")});
    const BySeat<uint8_t> Left = {CardsLeft(S, Human), CardsLeft(S, West), CardsLeft(S, North),
                                  CardsLeft(S, East)};
    EXPECT_EQ(Left, (BySeat<uint8_t>{0, 1, 1, 1}));
    EXPECT_EQ(TrickInPlayOrder(S), (std::array<int16_t, 4>{Named("5H"), Named("3D"), Named("2S"), Named("QD")}));
    MoveToTrick(S, North, Named("8D"), 4);
    EXPECT_EQ(S.PlayedCard, (BySeat<int16_t>{Named("3D"), Named("2S"), Named("8D"), Named("5H")}));
    EXPECT_TRUE(S.Deck[Named("5H")].Played && S.Deck[Named("2S")].Played);
    EXPECT_EQ(S.Deck[Named("5H")].Holder, InNoHand);
}

// Every seat that has played to the trick holds one card fewer than the human.
TEST(HumanPlaceInTrick, CountsTheSeatsThatHavePlayed) {
    const struct {
        BySeat<uint8_t> Left;
        int Place;
    } Cases[] = {{{13, 13, 13, 13}, 1}, {{13, 13, 13, 12}, 2}, {{9, 9, 8, 8}, 3}, {{1, 0, 0, 0}, 4}};
    for (const auto& C : Cases) {
        GameState S;
        InitDeck(S.Deck);
        std::vector<std::vector<int16_t>> Hands(SeatCount);
        int16_t Next = 1;
        for (size_t Seat = 0; Seat < SeatCount; ++Seat)
            for (int N = 0; N < C.Left[Seat]; ++N)
                Hands[Seat].push_back(Next++);
        GiveCards(S, Hands);
        EXPECT_EQ(HumanPlaceInTrick(S), C.Place) << C.Place;
    }
}

TEST(IsLegalForHuman, FollowSuitAndNoSpadeLeadBeforeSpadesAreBroken) {
    const struct {
        const char *Hand, *Led;
        bool Broken;
        const char* Card;
        bool Legal;
    } Cases[] = {
        {"2S 3D", "", false, "2S", false},   {"2S 3D", "", false, "3D", true},
        {"2S 3D", "", true, "2S", true},     {"2S 3S", "", false, "2S", true},
        {"2S AH", "", false, "2S", false},   {"3D 4H", "5H", false, "3D", false},
        {"3D 4H", "5H", false, "4H", true},  {"2S 4H", "5H", false, "2S", false},
        {"2S 3D", "5H", false, "2S", true},  {"2S 3D", "5H", false, "3D", true},
        {"2S 3D", "5S", false, "3D", false},
    };
    for (const auto& C : Cases) {
        GameState S;
        InitDeck(S.Deck);
        GiveCards(S, {Cards(C.Hand)});
        S.SpadesBroken = C.Broken;
        const bool Leading = *C.Led == '\0';
        if (!Leading) {
            S.Leader = West;
            S.PlayedCard[West] = Named(C.Led);
        }
        EXPECT_EQ(IsLegalForHuman(S, Named(C.Card), Leading), C.Legal)
            << C.Hand << "/" << C.Led << "/" << C.Card;
    }
}

TEST(GetWinner, HighestSpadeElseHighestOfTheSuitLed) {
    const struct {
        uint8_t SuitLed;
        const char* PlayedBySeat;
        uint8_t Winner;
    } Tricks[] = {
        {Hearts, "5H 2S AH KH", West}, {Hearts, "5H AD 9H 3H", North}, {Hearts, "3S AH 4S 2H", North},
        {Clubs, "2H 3D 4D 2C", East},  {Spades, "TS AS AH KS", West},  {Diamonds, "AD KD QD JD", Human},
    };
    for (const auto& Trick : Tricks) {
        GameState S;
        InitDeck(S.Deck);
        S.SuitLed = Trick.SuitLed;
        const std::vector<int16_t> Played = Cards(Trick.PlayedBySeat);
        std::copy(Played.begin(), Played.end(), S.PlayedCard.begin());
        EXPECT_EQ(GetWinner(S), Trick.Winner) << Trick.PlayedBySeat;
    }
}

} // namespace
