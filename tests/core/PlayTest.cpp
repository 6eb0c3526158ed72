#include "CardTable.h"
#include "TestTable.h"

#include "play/Tricks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>
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
        LblBids_Click(T.G, 3);
        T.Clock.RunUntilIdle();
        ASSERT_TRUE(T.G.Steps.AwaitingHuman(HumanWait::Card));
        ASSERT_EQ(V.StatusPanel2, "Player please click on card you wish to play.");
    }
};

TEST_F(HandUnderWay, ThirteenTricksPlayEveryCardOnce) {
    int Played = 0;
    for (; !V.FramResults.Visible && Played < 20; ++Played) {
        Cds_Click(T.G, FirstLegal(S));
        T.Clock.RunUntilIdle();
    }
    EXPECT_EQ(Played, 13);
    EXPECT_EQ(V.StatusPanel2, "The hand is over");
    EXPECT_EQ(std::accumulate(S.TricksWon.begin(), S.TricksWon.end(), 0), 13);
    for (int K = 1; K <= CardCount; ++K) {
        EXPECT_TRUE(S.Deck[K].Played) << K;
        EXPECT_EQ(S.Deck[K].Holder, InNoHand) << K;
        EXPECT_FALSE(V.Cds[static_cast<size_t>(K)].Visible) << K;
    }
    for (uint8_t Seat = 0; Seat < SeatCount; ++Seat) {
        EXPECT_EQ(S.CardsLeft[Seat], 0);
        EXPECT_EQ(V.Lblmade[Seat].Caption, std::to_string(S.TricksWon[Seat]));
        int Backs = 0;
        for (const ImageBox& Back : V.Pile(Seat))
            Backs += Back.Visible;
        EXPECT_EQ(Backs, S.TricksWon[Seat]) << int(Seat);
    }
    EXPECT_EQ(S.PauseMs, S.BasePause);
}

// Nothing is broken yet, so a spade lead is refused with a message. A card of another seat, and a
// second card of the human's, clicked at once after the first, while the first is on its way or
// while the computer players are to play, are not heard at all; nor is the card already played.
TEST_F(HandUnderWay, OnlyALegalCardOfTheHumanInTurnIsTaken) {
    const std::vector<int> Hand = CardsOf(S, Human);
    ASSERT_TRUE(Hand.front() < 40 && Hand.back() >= 40);
    Cds_Click(T.G, Hand.back());
    EXPECT_EQ(V.StatusPanel2, "Player Sorry, you cannot play that card. Try again please");
    Cds_Click(T.G, CardsOf(S, West).front());
    T.Clock.RunUntilIdle();
    EXPECT_EQ(CardsOf(S, Human), Hand);
    ASSERT_TRUE(T.G.Steps.AwaitingHuman(HumanWait::Card));

    const int Lead = FirstLegal(S);
    const auto Same = std::find_if(Hand.begin(), Hand.end(),
                                   [&](int K) { return K != Lead && S.Deck[K].Suit == S.Deck[Lead].Suit; });
    ASSERT_NE(Same, Hand.end());
    Cds_Click(T.G, Lead);
    for (const uint64_t Ms : {100, 300, 300}) {
        Cds_Click(T.G, Lead);
        Cds_Click(T.G, *Same);
        T.Clock.Advance(Ms);
    }
    EXPECT_EQ(S.Deck[*Same].Holder, Human);
    EXPECT_EQ(S.CardsLeft[Human], 12);
}

// The human's lead: its sound and a base pause, then another; 500 ms for each computer card, for
// the winner's announcement and for both waits of the sweep.
TEST_F(HandUnderWay, ATrickKeepsItsPacesAndTellsWhatWasPlayed) {
    const std::array<std::string, SeatCount> Won = {
        "Player won the trick and now has tricks 1", " Rodrick won the trick and now has tricks 1",
        "Desmond won the trick and now has tricks 1", "Beatrix won the trick and now has tricks 1"};
    T.Speaker.Sounds.clear();
    Cds_Click(T.G, FirstLegal(S));
    const uint64_t Click = T.Clock.Elapsed();
    std::vector<std::string> Seen;
    std::string Last = V.StatusPanel2;
    for (int Ms = 1; Ms < 3400; ++Ms) {
        T.Clock.Advance(1);
        if (V.StatusPanel2 != Last) Seen.push_back(std::to_string(Ms) + " " + (Last = V.StatusPanel2));
        if (Ms == 1000) {
            const CardBox& Rodricks = V.Cds[static_cast<size_t>(S.SecondCard)];
            EXPECT_EQ(Rodricks.Left, 3000);
            EXPECT_EQ(Rodricks.Picture, S.SecondCard);
        }
    }
    const uint8_t Winner = GetWinner(S);
    const std::vector<std::string> Expected = {"400 Player has played " + S.Deck[S.FirstCard].FullName,
                                               "900 Rodrick played  " + S.Deck[S.SecondCard].FullName,
                                               "1400 Desmond played  " + S.Deck[S.ThirdCard].FullName,
                                               "1900 " + Won[Winner]};
    EXPECT_EQ(Seen, Expected);
    std::vector<uint64_t> Sounds;
    for (const uint64_t At : {0, 400, 900, 1400, 2900})
        Sounds.push_back(Click + At);
    EXPECT_EQ(T.Speaker.TimesOf(DealWave), Sounds);
    EXPECT_FALSE(V.Pile(Winner)[1].Visible);
    T.Clock.Advance(1);
    EXPECT_TRUE(V.Pile(Winner)[1].Visible);
    EXPECT_EQ(S.TricksWon[Winner], 1);
    // The winner leads at once: the human with the prompt, a computer player with its card.
    if (Winner == Human) {
        EXPECT_EQ(V.StatusPanel2, "Player please click on card you wish to play.");
    } else {
        EXPECT_EQ(S.CardsLeft[Winner], 11);
    }
}

TEST_F(HandUnderWay, NewGameQuestionHoldsTheTrickUntilAnswered) {
    Cds_Click(T.G, FirstLegal(S));
    T.Clock.Advance(900);
    const BySeat<uint8_t> Left = S.CardsLeft;
    MnuNew_Click(T.G);
    ASSERT_TRUE(V.MessageBox.Visible);
    T.Clock.Advance(5000);
    EXPECT_EQ(S.CardsLeft, Left);
    Label1_Click(T.G, 1);
    EXPECT_TRUE(S.GameInProgress);
    // The pause that ran out meanwhile ends at once: the next computer card is on the table.
    EXPECT_NE(S.CardsLeft, Left);
}

// While the game stands still behind a modal window, a click on a card, a bid or Continue is not
// taken, not even later: only a click made once the game goes on again counts.
TEST(HumanClicks, NoneIsTakenWhileTheGameIsHeld) {
    Table T{BeatrixDealsFirst};
    Game& G = T.G;
    T.NewGame();
    ASSERT_TRUE(G.View.FramBids.Visible);
    G.Steps.Hold();
    LblBids_Click(G, 3);
    G.Steps.Release();
    T.Clock.RunUntilIdle();
    EXPECT_TRUE(G.Steps.AwaitingHuman(HumanWait::Bid));
    LblBids_Click(G, 2);
    T.Clock.RunUntilIdle();
    ASSERT_TRUE(G.Steps.AwaitingHuman(HumanWait::Card));
    EXPECT_EQ(G.State.Bids[Human], 2);

    const int16_t Card = FirstLegal(G.State);
    G.Steps.Hold();
    Cds_Click(G, Card);
    EXPECT_FALSE(G.State.CardClickLock);
    G.Steps.Release();
    T.Clock.RunUntilIdle();
    EXPECT_EQ(G.State.Deck[Card].Holder, Human);
    PlayScripted(T, [&G] { return G.View.FramResults.Visible; });
    G.Steps.Hold();
    CmdClose_Click(G);
    EXPECT_TRUE(G.View.FramResults.Visible);
    G.Steps.Release();
}

// A spade the human plays, here void in the suit led, breaks spades.
TEST(HumanTurn, ASpadeThePlayerPlaysBreaksSpades) {
    Table T;
    T.StartUp();
    GameState& S = T.G.State;
    GiveCards(S, {Cards("2S 3D")});
    S.GameInProgress = true;
    S.CardsLeft = {2, 2, 2, 1};
    S.FirstCard = Named("5H");
    T.G.Steps.Run(HumanTurn(T.G, 2));
    Cds_Click(T.G, Named("2S"));
    T.Clock.RunUntilIdle();
    EXPECT_TRUE(S.SpadesBroken);
    EXPECT_EQ(T.G.View.StatusPanel2, "Player has played Two  of  Spades");
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
        {"3D 4H", "5H", false, "3D", false}, {"3D 4H", "5H", false, "4H", true},
        {"2S 3D", "5H", false, "2S", true},  {"2S 3D", "5H", false, "3D", true},
        {"2S 3D", "5S", false, "3D", false},
    };
    for (const auto& C : Cases) {
        GameState S;
        InitDeck(S.Deck);
        GiveCards(S, {Cards(C.Hand)});
        S.SpadesBroken = C.Broken;
        const bool Leading = *C.Led == '\0';
        if (!Leading) S.FirstCard = Named(C.Led);
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
