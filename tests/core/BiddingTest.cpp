#include "TestTable.h"

#include "bidding/Bidding.h"
#include "bidding/BotsBids.h"
#include "shell/Commands.h"
#include "table/NewHand.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using namespace tarnwick;
using test::CardsOf;
using test::Heard;
using test::Table;

constexpr std::array<const char*, SeatCount> Names = {"Player", "Rodrick", "Desmond", "Beatrix"};

// What a computer player bids for its cards with nothing to gain from the target: one for every
// Ace and King and one for the Queen of Spades, at least one.
int HonourCount(const GameState& S, int Seat) {
    int Count = 0;
    for (int K : CardsOf(S, Seat))
        if ((K - 1) % 13 >= 11 || K == QueenOfSpades) ++Count;
    return Count == 0 ? 1 : Count;
}

std::string HasBidText(int Seat, int Bid) {
    constexpr std::array<const char*, SeatCount> Texts = {"Player has bid ", "Rodrick has bid ",
                                                          " Desmond has bid ", " Beatrix has bid "};
    return Texts[static_cast<size_t>(Seat)] + std::to_string(Bid);
}

// The four seat name labels, the human's first.
std::vector<std::string> SeatLabels(Game& G) {
    std::vector<std::string> Texts;
    for (uint8_t Seat = 0; Seat < SeatCount; ++Seat)
        Texts.push_back(G.View.SeatLabel(Seat).Caption);
    return Texts;
}

// Every change of a seat label, of a bid box or of the game's being under way while the clock
// runs on for Ms milliseconds, with its time.
std::vector<std::string> WatchBidding(Table& T, uint64_t Ms) {
    std::vector<std::string> Changes;
    auto Shown = [&T] {
        std::vector<std::string> Now = SeatLabels(T.G);
        for (const LabelBox& Bid : T.G.View.LblBid)
            Now.push_back(Bid.Caption);
        Now.push_back(T.G.State.GameInProgress ? "game under way" : "no game yet");
        return Now;
    };
    const uint64_t Start = T.Clock.Elapsed();
    std::vector<std::string> Last = Shown();
    while (T.Clock.Elapsed() < Start + Ms) {
        T.Clock.Advance(1);
        const std::vector<std::string> Now = Shown();
        for (size_t I = 0; I < Now.size(); ++I)
            if (Now[I] != Last[I])
                Changes.push_back(std::to_string(T.Clock.Elapsed() - Start) + " " + Now[I]);
        Last = Now;
    }
    return Changes;
}

TEST(BotsBids, CountsAcesKingsAndTheQueenOfSpadesOnly) {
    const struct {
        const char* Hand;
        std::vector<int> Cards;
        int Bid;
    } Cases[] = {
        {"no honours", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 14, 15}, 1},
        {"only the Queen of Spades", {50, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 14}, 1},
        {"Queen of Spades and an Ace", {50, 13, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 2},
        {"Queen of Hearts and an Ace", {37, 13, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 1},
        {"two Kings", {12, 25, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 2},
        {"all Aces, Kings and the Queen of Spades", {13, 26, 39, 52, 12, 25, 38, 51, 50, 1, 2, 3, 4}, 9},
        {"Ace, King, Queen and ten low spades", {40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52}, 3},
        {"all thirteen Hearts", {27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39}, 2},
    };
    for (const auto& C : Cases) {
        for (uint8_t Seat = 1; Seat < SeatCount; ++Seat) {
            SCOPED_TRACE(std::string(C.Hand) + " for " + Names[Seat]);
            DeckOfCards Deck;
            InitDeck(Deck);
            // The other seats share the rest of the pack, honours and all.
            std::vector<int16_t> Others;
            for (int16_t Other = 0; Other < SeatCount; ++Other)
                if (Other != Seat) Others.push_back(Other);
            for (int K = 1; K <= CardCount; ++K)
                Deck[K].Holder = Others[static_cast<size_t>(K % 3)];
            for (int K : C.Cards)
                Deck[K].Holder = Seat;
            EXPECT_EQ(BotsBids(Deck, Seat), C.Bid);
        }
    }
}

TEST(BotsBids, TargetRaisesABidThatWouldLandOnItExactly) {
    const struct {
        int16_t Bid, Score, Target, Adjusted;
    } Cases[] = {
        {4, 250, 300, 5}, {4, 260, 300, 4}, {5, 240, 300, 6}, {4, 240, 300, 4},
        {9, 0, 100, 10},  {1, 180, 200, 2}, {3, -40, 0, 4},   {1, 0, 300, 1},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(std::to_string(C.Bid) + " " + std::to_string(C.Score) + " " + std::to_string(C.Target));
        EXPECT_EQ(AdjustedForTarget(C.Bid, C.Score, C.Target), C.Adjusted);
    }
}

TEST(Bidding, HumanBidsFirstWhenBeatrixDeals) {
    Table T(test::BeatrixDealsFirst);
    T.StartUp();
    MnuNew_Click(T.G);
    const GameState& S = T.G.State;
    const DisplayModel& V = T.G.View;
    T.Clock.Advance(500);
    EXPECT_EQ(V.StatusPanel1, "Hand  Number 1");
    EXPECT_EQ(V.StatusPanel2, "Beatrix is dealing and you will Lead");
    T.Clock.RunUntilIdle();
    ASSERT_EQ(S.Dealer, East);
    ASSERT_TRUE(T.G.Steps.AwaitingHuman());
    EXPECT_EQ(T.Clock.Elapsed(), 500u + 500 + 2575);
    EXPECT_EQ(V.StatusPanel2, "Player click a number above for how many tricks you will make.");
    EXPECT_TRUE(V.FramBids.Visible);
    EXPECT_FALSE(S.GameInProgress);
    EXPECT_EQ(SeatLabels(T.G), (std::vector<std::string>{"Player", "Rodrick", "Desmond", "Beatrix"}));

    const uint64_t ClickedAt = T.Clock.Elapsed();
    T.Speaker.Sounds.clear();
    LblBids_Click(T.G, 3);
    T.Clock.Advance(0);
    EXPECT_FALSE(V.FramBids.Visible);
    EXPECT_EQ(V.LblBid[0].Caption, "3");
    EXPECT_EQ(V.LblName.Caption, "Player has bid 3");

    // Seven pauses of 800 ms: one after the human's bid, then two in every computer player's turn,
    // which shows its bid between them; every turn ends with a beep.
    EXPECT_EQ(
        WatchBidding(T, 5600),
        (std::vector<std::string>{"1600 Rodrick has bid 4", "1600 4", "3200  Desmond has bid 1", "3200 1",
                                  "4800  Beatrix has bid 2", "4800 2", "5600 game under way"}));
    EXPECT_EQ(T.Speaker.Sounds, (std::vector<Heard>{{"beep", ClickedAt + 800},
                                                    {"beep", ClickedAt + 2400},
                                                    {"beep", ClickedAt + 4000},
                                                    {"beep", ClickedAt + 5600}}));
    EXPECT_EQ(S.Bids, (BySeat<int16_t>{3, 4, 1, 2}));
    EXPECT_EQ(V.StatusPanel2, "Player please click on card you wish to play.");
    EXPECT_TRUE(S.GameInProgress);
    EXPECT_FALSE(S.CardClickLock);
    EXPECT_FALSE(S.PlayerHasPlayed);
    EXPECT_EQ(S.PauseMs, 200);
    EXPECT_EQ(S.Bidder, Human);
}

TEST(Bidding, HumanBoxShowsNoughtUntilTheHumanHasBid) {
    Table T(2); // with this seed the human deals, so bids last
    T.StartUp();
    MnuNew_Click(T.G);
    T.Clock.Advance(500 + 2574);
    ASSERT_EQ(T.G.State.Dealer, Human);
    const std::vector<std::string> Changes = WatchBidding(T, 1 + 3 * 1600);
    ASSERT_TRUE(T.G.Steps.AwaitingHuman());
    const GameState& S = T.G.State;
    // The deal ends 1 ms into the watch and the bidding begins at once.
    EXPECT_EQ(Changes,
              (std::vector<std::string>{"1 Player has bid 0", "801 " + HasBidText(West, HonourCount(S, West)),
                                        "801 " + std::to_string(HonourCount(S, West)),
                                        "2401 " + HasBidText(North, HonourCount(S, North)),
                                        "2401 " + std::to_string(HonourCount(S, North)),
                                        "4001 " + HasBidText(East, HonourCount(S, East)),
                                        "4001 " + std::to_string(HonourCount(S, East))}));
    EXPECT_EQ(T.G.View.StatusPanel2, "Player click a number above for how many tricks you will make.");

    LblBids_Click(T.G, 0);
    T.Clock.Advance(799);
    EXPECT_FALSE(S.GameInProgress);
    T.Clock.Advance(1);
    EXPECT_EQ(S.Bids[Human], 0);
    EXPECT_EQ(T.G.View.LblName.Caption, "Player has bid 0");
    EXPECT_EQ(T.G.View.LblBid[Human].Caption, "0");
    EXPECT_EQ(T.G.View.StatusPanel2, "Rodrick  will lead with a card.");
    EXPECT_TRUE(S.GameInProgress);
    EXPECT_TRUE(S.CardClickLock);
}

TEST(Bidding, ComputerPlayerReachesForTheTarget) {
    Table T(test::BeatrixDealsFirst);
    T.StartUp();
    MnuNew_Click(T.G);
    T.Clock.RunUntilIdle();
    GameState& S = T.G.State;
    const int Rodrick = HonourCount(S, West);
    S.Score[West] = static_cast<int16_t>(300 - 10 - 10 * Rodrick);
    S.Score[North] = static_cast<int16_t>(300 - 10 * HonourCount(S, North));
    LblBids_Click(T.G, 5);
    T.Clock.Advance(5600);
    EXPECT_EQ(S.Bids[West], Rodrick + 1);
    EXPECT_EQ(T.G.View.LblWestName.Caption, HasBidText(West, Rodrick + 1));
    EXPECT_EQ(S.Bids[North], HonourCount(S, North));
}

TEST(Bidding, EveryFirstLeaderIsAnnounced) {
    const std::array<const char*, SeatCount> Announcements = {
        "Ann please click on a card to play.", "Rodrick  will lead with a card.",
        "Desmond will lead with a card.", "Beatrix will lead with a card."};
    for (uint8_t Leader = 0; Leader < SeatCount; ++Leader) {
        SCOPED_TRACE(static_cast<int>(Leader));
        Table T;
        T.Folder.Write("Name.dat", "\"Ann\",0,0,0,0\r\n");
        T.StartUp();
        GameState& S = T.G.State;
        test::GiveCards(S, {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 14, 15},
                            {13, 26, 39, 52, 16, 17, 18, 19, 20, 21, 22, 23, 24},
                            {12, 25, 38, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36},
                            {50, 51, 37, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49}});
        S.FirstLeader = S.Bidder = Leader;
        T.G.Steps.Run(GetAllBids(T.G));
        const uint64_t BotsFirst = (SeatCount - Leader) % SeatCount;
        EXPECT_EQ(T.Clock.RunUntilIdle(), 1600 * BotsFirst);
        EXPECT_EQ(T.G.View.StatusPanel2, "Ann click a number above for how many tricks you will make.");
        LblBids_Click(T.G, 13);
        EXPECT_EQ(T.Clock.RunUntilIdle(), 800 + 1600 * (3 - BotsFirst));
        EXPECT_EQ(T.G.View.StatusPanel2, Announcements[Leader]);
        EXPECT_EQ(SeatLabels(T.G), (std::vector<std::string>{"Ann has bid 13", "Rodrick has bid 4",
                                                             " Desmond has bid 3", " Beatrix has bid 2"}));
        EXPECT_EQ(T.Speaker.TimesOf("beep").size(), 4u);
        EXPECT_TRUE(S.GameInProgress);
        EXPECT_EQ(S.PauseMs, 200);
    }
}

TEST(Bidding, BidPanelHearsNothingWhileHidden) {
    Table T(test::BeatrixDealsFirst);
    T.StartUp();
    GameState& S = T.G.State;
    LblBids_Click(T.G, 5);
    EXPECT_EQ(S.BidClicked, 0);
    EXPECT_TRUE(T.Clock.Idle());

    MnuNew_Click(T.G);
    T.Clock.Advance(2000);
    LblBids_Click(T.G, 5);
    EXPECT_EQ(S.BidClicked, 0);
    T.Clock.RunUntilIdle();
    ASSERT_TRUE(T.G.Steps.AwaitingHuman());

    for (const int Outside : {-1, 14}) {
        LblBids_Click(T.G, Outside);
        EXPECT_EQ(S.BidClicked, -1);
        EXPECT_TRUE(T.Clock.Idle());
        EXPECT_TRUE(T.G.View.FramBids.Visible);
    }

    const uint64_t ClickedAt = T.Clock.Elapsed();
    LblBids_Click(T.G, 3);
    T.Clock.Advance(1000);
    LblBids_Click(T.G, 9);
    T.Clock.Advance(4599);
    EXPECT_FALSE(S.GameInProgress);
    T.Clock.Advance(1);
    EXPECT_TRUE(S.GameInProgress);
    EXPECT_EQ(T.Clock.Elapsed(), ClickedAt + 5600);
    EXPECT_EQ(S.Bids[Human], 3);
    EXPECT_EQ(T.G.View.LblName.Caption, "Player has bid 3");
    EXPECT_EQ(T.Speaker.TimesOf("beep").size(), 4u);
}

TEST(Bidding, DealerAndLeaderAreAnnouncedForEveryDealer) {
    const std::array<const char*, SeatCount> Texts = {
        " You are dealing and Rodrick will Lead.", "Rodrick  is dealing and Desmond will Lead.",
        "Desmond is dealing and Beatrix will Lead.", "Beatrix is dealing and you will Lead"};
    for (uint8_t Dealer = 0; Dealer < SeatCount; ++Dealer) {
        SCOPED_TRACE(static_cast<int>(Dealer));
        Table T;
        T.StartUp();
        test::NextHandDealtBy(T.G.State, Dealer);
        T.G.Steps.Run(NewHand(T.G));
        T.Clock.Advance(500);
        const GameState& S = T.G.State;
        EXPECT_EQ(S.Dealer, Dealer);
        EXPECT_EQ(S.FirstLeader, NextSeat(Dealer));
        EXPECT_EQ(S.Bidder, NextSeat(Dealer));
        EXPECT_EQ(S.Leader, NextSeat(Dealer));
        EXPECT_EQ(T.G.View.StatusPanel1, "Hand  Number 1");
        EXPECT_EQ(T.G.View.StatusPanel2, Texts[Dealer]);
        T.Clock.Advance(2574);
        EXPECT_EQ(T.G.View.StatusPanel2, Texts[Dealer]);
    }
}

TEST(Bidding, NewGameGivesUpTheHandUnderWay) {
    const struct {
        const char* When;
        bool HumanHasBid;
        uint64_t Later;
    } Cases[] = {{"at the bid wait", false, 0}, {"after Rodrick's bid", true, 2000}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.When);
        Table T(test::BeatrixDealsFirst);
        T.StartUp();
        MnuNew_Click(T.G);
        T.Clock.RunUntilIdle();
        if (C.HumanHasBid) LblBids_Click(T.G, 6);
        T.Clock.Advance(C.Later);
        const auto OldHand = T.G.State.Deck;

        const uint64_t NewAt = T.Clock.Elapsed();
        T.Speaker.Sounds.clear();
        MnuNew_Click(T.G);
        EXPECT_EQ(T.G.View.StatusPanel1, "");
        EXPECT_EQ(T.G.View.StatusPanel2, "");
        EXPECT_EQ(SeatLabels(T.G), (std::vector<std::string>{"Player", "Rodrick", "Desmond", "Beatrix"}));
        EXPECT_FALSE(T.G.View.FramBids.Visible);
        T.Clock.RunUntilIdle();
        ASSERT_TRUE(T.G.Steps.AwaitingHuman());

        const GameState& S = T.G.State;
        EXPECT_EQ(S.HandNumber, 1);
        EXPECT_EQ(T.G.View.StatusPanel1, "Hand  Number 1");
        EXPECT_FALSE(S.GameInProgress);
        EXPECT_EQ(S.Bids[Human], 0);
        const int BotsFirst = test::BotsBeforeHuman(S);
        std::vector<uint64_t> Beeps;
        for (int Turn = 1; Turn <= BotsFirst; ++Turn)
            Beeps.push_back(NewAt + 500 + 2575 + 1600 * Turn);
        EXPECT_EQ(T.Speaker.TimesOf("beep"), Beeps);
        EXPECT_EQ(T.Speaker.TimesOf(test::RiffleWave), std::vector<uint64_t>{NewAt});
        EXPECT_EQ(T.Speaker.TimesOf(test::DealWave).size(), 39u);
        EXPECT_EQ(T.Clock.Elapsed(), NewAt + 500 + 2575 + 1600 * static_cast<uint64_t>(BotsFirst));
        for (int Seat = 1; Seat < SeatCount; ++Seat) {
            const bool HasBid = (Seat - S.FirstLeader + SeatCount) % SeatCount < BotsFirst;
            EXPECT_EQ(S.Bids[static_cast<size_t>(Seat)], HasBid ? HonourCount(S, Seat) : 0) << Seat;
            EXPECT_EQ(T.G.View.SeatLabel(static_cast<uint8_t>(Seat)).Caption,
                      HasBid ? HasBidText(Seat, HonourCount(S, Seat)) : Names[static_cast<size_t>(Seat)])
                << Seat;
        }
        bool SameCards = true;
        for (int K = 1; K <= CardCount; ++K)
            SameCards = SameCards && OldHand[K].Holder == S.Deck[K].Holder;
        EXPECT_FALSE(SameCards);
    }
}

TEST(Bidding, NewGameAfterHandsStartsFromNothing) {
    Table T(1);
    T.Folder.Write("Money.dat", "250,-50,0,0\r\n");
    T.Folder.Write("Name.dat", "\"Ann\",2,1,0,0\r\n");
    T.StartUp();
    GameState& S = T.G.State;
    for (int Hand = 1; Hand <= 2; ++Hand) {
        if (Hand == 1) {
            MnuNew_Click(T.G);
        } else {
            T.G.Steps.Run(NewHand(T.G));
        }
        T.Clock.RunUntilIdle();
        LblBids_Click(T.G, 4);
        T.Clock.Advance(test::BiddingLeftAfterHumanBid(S));
    }
    ASSERT_EQ(S.HandNumber, 2);
    S.Score = {120, -40, 33, 10};
    S.Bags = {3, 1, 0, 2};
    S.OverTricks = {1, 1, 0, 2};
    for (size_t Seat = 0; Seat < SeatCount; ++Seat)
        T.G.View.LblScore[Seat].Caption = std::to_string(S.Score[Seat]);

    // New Game in the middle of a game, once the human has agreed to give it up.
    StartNewGame(T.G);
    T.Clock.Advance(500);
    EXPECT_EQ(S.HandNumber, 1);
    EXPECT_EQ(T.G.View.StatusPanel1, "Hand  Number 1");
    EXPECT_EQ(S.Score, (BySeat<int16_t>{}));
    EXPECT_EQ(S.Bags, (BySeat<int16_t>{}));
    EXPECT_EQ(S.OverTricks, (BySeat<int16_t>{}));
    for (size_t Seat = 0; Seat < SeatCount; ++Seat) {
        EXPECT_EQ(T.G.View.LblScore[Seat].Caption, "") << Seat;
        EXPECT_EQ(T.G.View.LblBags[Seat].Caption, "") << Seat;
    }
    EXPECT_EQ(S.FunMoney, (BySeat<int32_t>{250, -50, 0, 0}));
    EXPECT_EQ(S.GamesWon, (BySeat<int16_t>{2, 1, 0, 0}));
    EXPECT_FALSE(S.GameInProgress);
    EXPECT_EQ(T.G.View.LblName.Caption, "Ann");
}

TEST(ClearTable, EveryCardGoesBackToThePackEvenInTheMiddleOfADeal) {
    for (const bool InProgress : {false, true}) {
        SCOPED_TRACE(InProgress);
        Table T(8);
        T.StartUp();
        MnuNew_Click(T.G);
        T.Clock.Advance(2000);
        T.G.Steps.Abandon();
        GameState& S = T.G.State;
        DisplayModel& V = T.G.View;
        ASSERT_FALSE(CardsOf(S, Human).empty());
        for (int K : {3, 17, 40})
            S.Deck[K].Played = true;
        S.GameInProgress = InProgress;
        S.Score = {50, 60, 70, 80};
        S.Bids = {1, 2, 3, 4};
        S.TricksWon = {1, 0, 2, 0};
        S.BidClicked = 7;
        V.ImgBackWest[3].Visible = V.ImgBackP[12].Visible = true;
        V.LblWestName.Caption = "Rodrick has bid 2";
        V.LblScore[1].Caption = "60";
        V.FramBids.Visible = true;

        ClearTable(T.G);
        for (int K = 1; K <= CardCount; ++K) {
            EXPECT_EQ(S.Deck[K].Holder, InNoHand) << K;
            EXPECT_FALSE(S.Deck[K].Played) << K;
            EXPECT_FALSE(V.Cds[static_cast<size_t>(K)].Visible) << K;
        }
        for (uint8_t Seat = 0; Seat < SeatCount; ++Seat) {
            for (size_t K = 1; K <= 13; ++K)
                EXPECT_FALSE(V.Pile(Seat)[K].Visible) << K;
            EXPECT_EQ(V.LblBid[Seat].Caption, "");
            EXPECT_EQ(V.Lblmade[Seat].Caption, "");
        }
        EXPECT_EQ(SeatLabels(T.G), (std::vector<std::string>{"Player", "Rodrick", "Desmond", "Beatrix"}));
        EXPECT_EQ(S.Bids, (BySeat<int16_t>{}));
        EXPECT_EQ(S.TricksWon, (BySeat<int16_t>{}));
        EXPECT_EQ(S.CardsLeft, (BySeat<uint8_t>{}));
        EXPECT_EQ(S.BidClicked, 0);
        EXPECT_FALSE(V.FramBids.Visible);
        EXPECT_EQ(S.Score, InProgress ? (BySeat<int16_t>{50, 60, 70, 80}) : (BySeat<int16_t>{}));
        EXPECT_EQ(S.HandNumber, InProgress ? 1 : 0);
        EXPECT_EQ(V.LblScore[1].Caption, InProgress ? "60" : "");
        EXPECT_EQ(V.StatusPanel1, InProgress ? "Hand  Number 1" : "");
    }
}

} // namespace
