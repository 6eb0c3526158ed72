#include "CardTable.h"
#include "TestTable.h"

#include "bidding/BotsBids.h"
#include "shell/Clicks.h"
#include "table/NewHand.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using namespace tarnwick;
using namespace tarnwick::test;
using Log = std::vector<std::string>;

const Log Names = {"Player", "Rodrick", "Desmond", "Beatrix"};

TEST(BotsBids, CountsAcesKingsAndTheQueenOfSpadesOnly) {
    const std::pair<const char*, int> Cases[] = {
        {"2D 3C 4H", 1},       {"QS 2D", 1},    {"QS AD 2D", 2},
        {"QH AD", 1},          {"KD KC 2D", 2}, {"AD AC AH AS KD KC KH KS QS 2D", 9},
        {"2S 3S QS KS AS", 3},
    };
    for (const auto& [Hand, Bid] : Cases)
        for (uint8_t Seat = West; Seat <= East; ++Seat) {
            SCOPED_TRACE(std::string(Hand) + " seat " + std::to_string(Seat));
            DeckOfCards Deck;
            InitDeck(Deck);
            // The other seats share the rest of the pack, honours and all.
            for (int K = 1; K <= CardCount; ++K)
                Deck[K].Holder = static_cast<int16_t>((Seat + 1 + K % 3) % SeatCount);
            for (const int16_t K : Cards(Hand))
                Deck[K].Holder = Seat;
            EXPECT_EQ(BotsBids(Deck, Seat), Bid);
        }
}

TEST(BotsBids, TargetRaisesOnlyABidThatWouldLandOnItExactly) {
    const std::array<int16_t, 4> Cases[] = {
        {4, 250, 300, 5}, {4, 260, 300, 4}, {4, 240, 300, 4}, {9, 0, 100, 10}, {3, -40, 0, 4}};
    for (const auto& [Bid, Score, Target, Adjusted] : Cases)
        EXPECT_EQ(AdjustedForTarget(Bid, Score, Target), Adjusted) << Bid << " " << Score << " " << Target;
}

// Runs the bidding from Leader, the human bidding 13 as soon as asked, and notes with its virtual
// time every change of the bid panel, the status line, the beeps, the seat names and bid boxes.
Log WatchBidding(Table& T, uint8_t Leader) {
    GameState& S = T.G.State;
    DisplayModel& V = T.G.View;
    auto Shown = [&] {
        Log Now = {V.FramBids.Visible ? "panel" : "no panel", V.StatusPanel2,
                   std::to_string(T.Speaker.TimesOf("beep").size()) + " beeps",
                   S.GameInProgress ? "under way" : "not yet"};
        for (uint8_t Seat = 0; Seat < SeatCount; ++Seat) {
            Now.push_back(V.SeatLabel(Seat).Caption);
            Now.push_back(V.LblBid[Seat].Caption);
        }
        return Now;
    };
    Log Last = Shown(), Changes;
    const uint64_t Start = T.Clock.Elapsed();
    auto Note = [&] {
        const Log Now = Shown();
        for (size_t I = 0; I < Now.size(); ++I)
            if (Now[I] != Last[I])
                Changes.push_back(std::to_string(T.Clock.Elapsed() - Start) + " " + Now[I]);
        Last = Now;
    };
    S.FirstLeader = S.Bidder = Leader;
    T.G.Steps.Run(GetAllBids(T.G));
    for (Note(); T.G.Steps.Running(); Note()) {
        if (V.FramBids.Visible) {
            Click(T.G, {Element::BidNumber, 13});
            T.Clock.Advance(0);
            Note();
        }
        T.Clock.Advance(1);
    }
    return Changes;
}

// Every turn is two pauses of 800 ms for a computer player, which shows its bid between them, and
// one after the human's click; each ends with a beep. Rodrick is one trick short of the target.
TEST(Bidding, EverySeatBidsInTurnFromTheLeader) {
    const std::string Ask = "Ann click a number above for how many tricks you will make.",
                      Bid = "Ann has bid 13", Rodrick = "Rodrick has bid 5", Desmond = " Desmond has bid 3",
                      Beatrix = " Beatrix has bid 2";
    const Log Expected[SeatCount] = {
        {"0 panel", "0 " + Ask, "0 no panel", "0 " + Bid, "0 13", "800 1 beeps", "1600 " + Rodrick, "1600 5",
         "2400 2 beeps", "3200 " + Desmond, "3200 3", "4000 3 beeps", "4800 " + Beatrix, "4800 2",
         "5600 Ann please click on a card to play.", "5600 4 beeps", "5600 under way"},
        {"0 Ann has bid 0", "0 0", "800 " + Rodrick, "800 5", "1600 1 beeps", "2400 " + Desmond, "2400 3",
         "3200 2 beeps", "4000 " + Beatrix, "4000 2", "4800 panel", "4800 " + Ask, "4800 3 beeps",
         "4800 no panel", "4800 " + Bid, "4800 13", "5600 Rodrick  will lead with a card.", "5600 4 beeps",
         "5600 under way"},
        {"0 Ann has bid 0", "0 0", "800 " + Desmond, "800 3", "1600 1 beeps", "2400 " + Beatrix, "2400 2",
         "3200 panel", "3200 " + Ask, "3200 2 beeps", "3200 no panel", "3200 " + Bid, "3200 13",
         "4000 3 beeps", "4800 " + Rodrick, "4800 5", "5600 Desmond will lead with a card.", "5600 4 beeps",
         "5600 under way"},
        {"0 Ann has bid 0", "0 0", "800 " + Beatrix, "800 2", "1600 panel", "1600 " + Ask, "1600 1 beeps",
         "1600 no panel", "1600 " + Bid, "1600 13", "2400 2 beeps", "3200 " + Rodrick, "3200 5",
         "4000 3 beeps", "4800 " + Desmond, "4800 3", "5600 Beatrix will lead with a card.", "5600 4 beeps",
         "5600 under way"},
    };
    for (uint8_t Leader = 0; Leader < SeatCount; ++Leader) {
        SCOPED_TRACE(static_cast<int>(Leader));
        Table T;
        T.Folder.Write("Name.dat", "\"Ann\",0,0,0,0\r\n");
        T.StartUp();
        GameState& S = T.G.State;
        GiveCards(S, {Cards("2D 3D 4D"), Cards("AD AC AH AS"), Cards("KD KC KH"), Cards("QS KS")});
        S.Score = {0, 250, 0, 0};
        EXPECT_EQ(WatchBidding(T, Leader), Expected[Leader]);
    }
}

TEST(Bidding, BidPanelHearsOnlyOneClickOnANumberWhileShown) {
    Table T(BeatrixDealsFirst);
    T.StartUp();
    GameState& S = T.G.State;
    Click(T.G, {Element::BidNumber, 5});
    Click(T.G, {Element::NewGame});
    T.Clock.Advance(2000);
    Click(T.G, {Element::BidNumber, 5});
    EXPECT_EQ(S.BidClicked, 0);
    T.Clock.RunUntilIdle();
    ASSERT_TRUE(T.G.Steps.AwaitingHuman(HumanWait::Bid));
    for (const int Outside : {-1, 14})
        Click(T.G, {Element::BidNumber, Outside});
    EXPECT_TRUE(T.Clock.Idle());
    EXPECT_EQ(S.BidClicked, -1);

    Click(T.G, {Element::BidNumber, 3});
    T.Clock.Advance(1000);
    Click(T.G, {Element::BidNumber, 9});
    EXPECT_EQ(T.Clock.RunUntilIdle(), 4600u);
    EXPECT_EQ(S.Bids[Human], 3);
    EXPECT_EQ(T.Speaker.TimesOf("beep").size(), 4u);
}

// F2 while the first hand is bid: at the wait for the human's bid, and in a pause after it.
TEST(Bidding, NewGameGivesUpTheHandUnderWay) {
    for (const uint64_t Later : {0, 2000}) {
        SCOPED_TRACE(Later);
        Table T(BeatrixDealsFirst);
        T.NewGame();
        if (Later != 0) Click(T.G, {Element::BidNumber, 6});
        T.Clock.Advance(Later);

        const uint64_t NewAt = T.Clock.Elapsed();
        T.Speaker.Sounds.clear();
        Click(T.G, {Element::NewGame});
        T.Clock.RunUntilIdle();
        ASSERT_TRUE(T.G.Steps.AwaitingHuman(HumanWait::Bid));

        const GameState& S = T.G.State;
        EXPECT_EQ(S.HandNumber, 1);
        const int BotsFirst = BotsBeforeHuman(S);
        std::vector<uint64_t> Beeps;
        for (int Turn = 1; Turn <= BotsFirst; ++Turn)
            Beeps.push_back(NewAt + 500 + 2575 + 1600 * Turn);
        EXPECT_EQ(T.Speaker.TimesOf("beep"), Beeps);
        EXPECT_EQ(T.Speaker.TimesOf(RiffleWave), std::vector<uint64_t>{NewAt});
        EXPECT_EQ(T.Speaker.TimesOf(DealWave).size(), 39u);
        EXPECT_EQ(T.Clock.Elapsed(), Beeps.empty() ? NewAt + 3075 : Beeps.back());
        EXPECT_EQ(S.Bids[Human], 0);
        for (uint8_t Seat = West; Seat <= East; ++Seat)
            if ((Seat - S.FirstLeader + SeatCount) % SeatCount >= BotsFirst) {
                EXPECT_EQ(S.Bids[Seat], 0) << int(Seat);
                EXPECT_EQ(T.G.View.SeatLabel(Seat).Caption, Names[Seat]);
            }
    }
}

TEST(ClearTable, EveryCardGoesBackToThePackAndTheScoresOnlyBetweenGames) {
    for (const bool InProgress : {false, true}) {
        SCOPED_TRACE(InProgress);
        Table T(8);
        T.StartUp();
        Click(T.G, {Element::NewGame});
        T.Clock.Advance(2000);
        T.G.Steps.Abandon();
        GameState& S = T.G.State;
        DisplayModel& V = T.G.View;
        S.Deck[17].Played = true;
        S.GameInProgress = InProgress;
        S.Score = S.Bags = S.OverTricks = S.Bids = S.TricksWon = {5, 6, 7, 8};
        S.BidClicked = 7;
        V.ImgBackWest[3].Visible = V.ImgBackP[13].Visible = V.FramBids.Visible = true;
        V.LblWestName.Caption = "Rodrick has bid 2";
        V.LblScore[1].Caption = V.LblBags[2].Caption = V.LblBid[3].Caption = V.Lblmade[0].Caption = "6";

        ClearTable(T.G);
        for (size_t K = 1; K <= CardCount; ++K)
            EXPECT_TRUE(S.Deck[K].Holder == InNoHand && !S.Deck[K].Played && !V.Cds[K].Visible) << K;
        for (uint8_t Seat = 0; Seat < SeatCount; ++Seat)
            for (const ImageBox& Back : V.Pile(Seat))
                EXPECT_FALSE(Back.Visible) << int(Seat);
        EXPECT_EQ(SeatLabels(V), Names);
        EXPECT_EQ(Row(V.LblBid) + Row(V.Lblmade), "||||||||");
        EXPECT_EQ(S.Bids, (BySeat<int16_t>{}));
        EXPECT_EQ(S.TricksWon, (BySeat<int16_t>{}));
        EXPECT_EQ(S.CardsLeft, (BySeat<uint8_t>{}));
        EXPECT_EQ(S.BidClicked, 0);
        EXPECT_FALSE(V.FramBids.Visible);
        const BySeat<int16_t> Kept = InProgress ? BySeat<int16_t>{5, 6, 7, 8} : BySeat<int16_t>{};
        EXPECT_EQ(S.Score, Kept);
        EXPECT_EQ(S.Bags, Kept);
        EXPECT_EQ(S.OverTricks, Kept);
        EXPECT_EQ(S.HandNumber, InProgress ? 1 : 0);
        EXPECT_EQ(V.LblScore[1].Caption + V.LblBags[2].Caption, InProgress ? "66" : "");
        EXPECT_EQ(V.StatusPanel1, InProgress ? "Hand  Number 1" : "");
    }
}

} // namespace
