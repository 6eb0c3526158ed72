#include "TestTable.h"

#include "bidding/Bidding.h"
#include "play/HumanPlay.h"
#include "play/Tricks.h"
#include "shell/Commands.h"
#include "shell/MessageBox.h"
#include "table/Deal.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>

namespace {

using namespace tarnwick;
using test::CardsOf;
using test::Table;

constexpr int16_t Card(int Value, uint8_t Suit) { return static_cast<int16_t>(13 * (Suit - 1) + (Value - 1)); }

// The human's first card that the rules allow.
int16_t FirstLegal(const GameState& S) {
    const bool Leading = S.CardsLeft[East] == S.CardsLeft[Human];
    for (int K : CardsOf(S, Human))
        if (IsLegalForHuman(S, static_cast<int16_t>(K), Leading)) return static_cast<int16_t>(K);
    return 0;
}

// A game dealt by Beatrix, so the human bids first and leads the first trick, waiting now for
// the human's first card.
struct HandUnderWay : ::testing::Test {
    Table T{test::BeatrixDealsFirst};
    GameState& S = T.G.State;

    void SetUp() override {
        T.StartUp();
        MnuNew_Click(T.G);
        T.Clock.RunUntilIdle();
        ASSERT_TRUE(T.G.View.FramBids.Visible);
        LblBids_Click(T.G, 3);
        T.Clock.RunUntilIdle();
        ASSERT_TRUE(T.G.Steps.AwaitingHuman());
        ASSERT_TRUE(S.GameInProgress);
    }

    // Plays the human's first legal card every time it is asked, to the end of the hand.
    int PlayOut() {
        int HumanCards = 0;
        while (!T.G.View.FramResults.Visible) {
            EXPECT_TRUE(T.G.Steps.AwaitingHuman());
            const int16_t Card = FirstLegal(S);
            if (Card == 0) return HumanCards;
            Cds_Click(T.G, Card);
            ++HumanCards;
            T.Clock.RunUntilIdle();
        }
        return HumanCards;
    }
};

TEST_F(HandUnderWay, ThirteenTricksPlayEveryCardOnce) {
    EXPECT_EQ(T.G.View.StatusPanel2, "Player please click on card you wish to play.");
    EXPECT_EQ(PlayOut(), 13);

    EXPECT_EQ(T.G.View.StatusPanel2, "The hand is over");
    EXPECT_EQ(std::accumulate(S.TricksWon.begin(), S.TricksWon.end(), 0), 13);
    for (int K = 1; K <= CardCount; ++K) {
        EXPECT_TRUE(S.Deck[K].Played) << K;
        EXPECT_EQ(S.Deck[K].Holder, InNoHand) << K;
        EXPECT_FALSE(T.G.View.Cds[static_cast<size_t>(K)].Visible) << K;
    }
    for (uint8_t Seat = 0; Seat < SeatCount; ++Seat) {
        EXPECT_EQ(S.CardsLeft[Seat], 0);
        EXPECT_EQ(T.G.View.Lblmade[Seat].Caption, std::to_string(S.TricksWon[Seat]));
        int Backs = 0;
        for (const ImageBox& Back : T.G.View.Pile(Seat)) Backs += Back.Visible;
        EXPECT_EQ(Backs, S.TricksWon[Seat]) << int(Seat);
    }
    EXPECT_EQ(S.PauseMs, S.BasePause);
}

TEST_F(HandUnderWay, ARefusedCardChangesNothingButTheMessage) {
    // Nothing is broken yet, so a spade lead is refused while the hand holds another suit.
    std::vector<int> Hand = CardsOf(S, Human);
    ASSERT_LT(Hand.front(), 40);
    if (Hand.back() < 40) GTEST_SKIP() << "this deal gives the human no spade";
    const int Spade = Hand.back();
    for (int Try = 0; Try < 3; ++Try) {
        Cds_Click(T.G, Spade);
        EXPECT_EQ(T.G.View.StatusPanel2, "Player Sorry, you cannot play that card. Try again please");
    }
    T.Clock.RunUntilIdle();
    EXPECT_EQ(CardsOf(S, Human), Hand);
    EXPECT_FALSE(S.CardClickLock);
    EXPECT_TRUE(T.G.Steps.AwaitingHuman());
    EXPECT_EQ(S.FirstCard, 0);
}

TEST_F(HandUnderWay, ClicksOutOfTurnAreNotHeard) {
    const int Lead = FirstLegal(S);
    const int Rodricks = CardsOf(S, West).front();
    Cds_Click(T.G, Rodricks);
    EXPECT_EQ(S.Deck[Rodricks].Holder, West);
    EXPECT_EQ(T.G.View.StatusPanel2, "Player please click on card you wish to play.");

    Cds_Click(T.G, Lead);
    // A second card while the first is still on its way to the table is not taken.
    const int Another = CardsOf(S, Human).back();
    ASSERT_NE(Another, Lead);
    T.Clock.Advance(100);
    Cds_Click(T.G, Another);
    T.Clock.Advance(300);
    Cds_Click(T.G, Another);
    EXPECT_EQ(S.Deck[Another].Holder, Human);
    EXPECT_EQ(S.Deck[Lead].Holder, InNoHand);

    // While the computer players are to play, and on a card already played.
    T.Clock.Advance(300);
    Cds_Click(T.G, Another);
    Cds_Click(T.G, Lead);
    EXPECT_EQ(S.Deck[Another].Holder, Human);
    EXPECT_EQ(S.CardsLeft[Human], 12);
}

TEST_F(HandUnderWay, ATrickKeepsItsPaces) {
    const int16_t Lead = FirstLegal(S);
    Cds_Click(T.G, Lead);
    const uint64_t Click = T.Clock.Elapsed();
    // The human's lead: its sound and a pause of the base length, then 500 ms for each
    // computer card, the winner's announcement and both waits of the sweep.
    T.Clock.Advance(399);
    EXPECT_EQ(S.PlayedCard[West], 0);
    T.Clock.Advance(1);
    EXPECT_EQ(S.PlayedCard[West], S.SecondCard);
    EXPECT_EQ(T.G.View.Cds[static_cast<size_t>(S.SecondCard)].Left, 3000);
    EXPECT_EQ(T.G.View.Cds[static_cast<size_t>(S.SecondCard)].Picture, S.SecondCard);
    const std::vector<uint64_t> Sounds = T.Speaker.TimesOf(test::DealWave);
    EXPECT_EQ(Sounds.back() - Click, 400u);

    // Desmond's card at 900, Beatrix's at 1400; the trick is counted when her sound is over.
    T.Clock.Advance(1000);
    EXPECT_NE(S.FourthCard, 0);
    EXPECT_EQ(S.TricksWon[GetWinner(S)], 0);
    T.Clock.Advance(500);
    const uint8_t Winner = GetWinner(S);
    EXPECT_EQ(S.TricksWon[Winner], 1);
    T.Clock.Advance(1499);
    EXPECT_FALSE(T.G.View.Pile(Winner)[1].Visible);
    T.Clock.Advance(1);
    EXPECT_TRUE(T.G.View.Pile(Winner)[1].Visible);
    EXPECT_EQ(S.Leader, Winner);
    // The winner leads at once: the human with the prompt, a computer player with its card.
    if (Winner == Human) {
        EXPECT_EQ(S.PauseMs, S.BasePause);
        EXPECT_EQ(T.G.View.StatusPanel2, "Player please click on card you wish to play.");
    } else {
        EXPECT_EQ(S.PlayedCard[Winner], S.FirstCard);
        EXPECT_EQ(S.CardsLeft[Winner], 11);
    }
}

TEST_F(HandUnderWay, NewGameDuringPlayAsksFirstAndHoldsTheTrickMeanwhile) {
    Cds_Click(T.G, FirstLegal(S));
    T.Clock.Advance(900);
    const BySeat<uint8_t> Left = S.CardsLeft;
    MnuNew_Click(T.G);
    ASSERT_TRUE(T.G.View.MessageBox.Visible);
    EXPECT_EQ(T.G.View.MessageBox.Title, "   SEE YOU!");
    EXPECT_EQ(T.G.View.MessageBox.Prompt,
              "Player You are in the middle of a game, are you sure you wish to start a new game?.");
    // The trick stands still while the question is open.
    T.Clock.Advance(5000);
    EXPECT_EQ(S.CardsLeft, Left);

    Label1_Click(T.G, 1);
    EXPECT_EQ(S.MsgAnswer, 1);
    EXPECT_TRUE(S.GameInProgress);
    // The pause that ran out meanwhile ends at once: the next computer card is on the table.
    EXPECT_NE(S.CardsLeft, Left);

    MnuNew_Click(T.G);
    Label1_Click(T.G, 0);
    T.Clock.Advance(1);
    EXPECT_FALSE(S.GameInProgress);
    EXPECT_EQ(S.HandNumber, 0);
    T.Clock.RunUntilIdle();
    EXPECT_TRUE(T.G.View.FramBids.Visible);
    EXPECT_EQ(S.HandNumber, 1);
    EXPECT_EQ(S.TricksWon, (BySeat<int16_t>{}));
    EXPECT_EQ(S.CardsLeft, (BySeat<uint8_t>{13, 13, 13, 13}));
}

struct Trick {
    uint8_t SuitLed;
    BySeat<int16_t> Played;
    uint8_t Winner;
};

TEST(GetWinner, HighestSpadeElseHighestOfTheSuitLed) {
    const std::vector<Trick> Tricks = {
        {Hearts, {Card(5, Hearts), Card(2, Spades), Card(14, Hearts), Card(13, Hearts)}, West},
        {Hearts, {Card(5, Hearts), Card(14, Diamonds), Card(9, Hearts), Card(3, Hearts)}, North},
        {Hearts, {Card(3, Spades), Card(14, Hearts), Card(4, Spades), Card(2, Hearts)}, North},
        {Clubs, {Card(2, Hearts), Card(3, Diamonds), Card(4, Diamonds), Card(2, Clubs)}, East},
        {Spades, {Card(10, Spades), Card(14, Spades), Card(14, Hearts), Card(13, Spades)}, West},
        {Diamonds, {Card(14, Diamonds), Card(13, Diamonds), Card(12, Diamonds), Card(11, Diamonds)}, Human},
    };
    for (const Trick& T : Tricks) {
        GameState S;
        InitDeck(S.Deck);
        S.SuitLed = T.SuitLed;
        S.PlayedCard = T.Played;
        EXPECT_EQ(GetWinner(S), T.Winner);
    }
}

} // namespace
