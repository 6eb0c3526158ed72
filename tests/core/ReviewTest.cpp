// SPDX-License-Identifier: GPL-3.0-or-later
// Looking back over the hand's tricks: the review shows exactly what was played, where and who won;
// while it is open the game stands still, and closed it goes on with the same pause still to run.

#include "TestTable.h"

#include "commands/Hint.h"
#include "commands/Keys.h"
#include "commands/Review.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace tarnwick;
using namespace tarnwick::test;

// Each finished trick as the table showed it the moment it was won: every card where its box lay.
struct SeenTrick {
    uint8_t Leader = 0, Winner = 0;
    std::array<int16_t, SeatCount> Cards{};
    std::array<ReviewCardBox, SeatCount> Boxes{};
};

class TrickWitness final : public GameEvents {
public:
    explicit TrickWitness(const Game& G) : G(G) {}
    void TrickDone(uint8_t Leader, const std::array<int16_t, 4>& Cards, uint8_t Winner) override {
        SeenTrick T{Leader, Winner, {}, {}};
        for (int Turn = 0; Turn < SeatCount; ++Turn) {
            const auto Seat = static_cast<size_t>((Leader + Turn) % SeatCount);
            const int16_t K = Cards.at(static_cast<size_t>(Turn));
            const CardBox& Box = G.View.Cds.at(static_cast<size_t>(K));
            T.Cards.at(Seat) = K;
            T.Boxes.at(Seat) = {Box.Picture, Box.Left, Box.Top, Seat == Winner};
        }
        Seen.push_back(T);
    }
    void CardDealt(uint8_t, int16_t) override {
        if (!Seen.empty() && Seen.size() % 13 == 0) Hands.push_back(std::exchange(Seen, {}));
    }
    const Game& G;
    std::vector<SeenTrick> Seen;
    std::vector<std::vector<SeenTrick>> Hands;
};

struct ReviewTable : Table {
    ReviewTable() : Table(BeatrixDealsFirst), Witness(G) {
        G.Events = &Witness;
        G.Flow.SetAfterEachStep([this] {
            ++Steps;
            ShowReview(G);
        });
    }
    TrickWitness Witness;
    int Steps = 0;
};

bool SameCards(const DisplayModel& A, const DisplayModel& B) {
    for (size_t K = 1; K <= CardCount; ++K) {
        const CardBox &X = A.Cds.at(K), &Y = B.Cds.at(K);
        if (X.Left != Y.Left || X.Top != Y.Top || X.Picture != Y.Picture || X.Visible != Y.Visible ||
            X.ZOrder != Y.ZOrder)
            return false;
    }
    return true;
}

// Every trick of the review, stepped back from the last, matches the trick as it was played.
void ExpectReviewShows(ReviewTable& T, const std::vector<SeenTrick>& Played) {
    Game& G = T.G;
    ASSERT_TRUE(OpenReview(G));
    ASSERT_EQ(G.State.Played.Count, Played.size());
    for (int I = static_cast<int>(Played.size()) - 1; I >= 0; --I) {
        const SeenTrick& Want = Played.at(static_cast<size_t>(I));
        const ReviewModel& R = G.View.Review;
        SCOPED_TRACE(R.Caption);
        EXPECT_TRUE(R.Visible);
        EXPECT_EQ(R.Cards, Want.Boxes);
        EXPECT_EQ(R.Caption, ReviewCaption(G.State, I));
        EXPECT_EQ(R.CanGoBack, I > 0);
        EXPECT_EQ(R.CanGoOn, I + 1 < static_cast<int>(Played.size()));
        const FinishedTrick& Kept = G.State.Played.Tricks.at(static_cast<size_t>(I));
        EXPECT_EQ(Kept.Leader, Want.Leader);
        EXPECT_EQ(Kept.Winner, Want.Winner);
        EXPECT_EQ(Kept.Cards, Want.Cards);
        StepReview(G, -1);
    }
    StepReview(G, -5);
    EXPECT_EQ(G.View.Review.Caption, ReviewCaption(G.State, 0));
    StepReview(G, 20);
    EXPECT_EQ(G.View.Review.Caption, ReviewCaption(G.State, static_cast<int>(Played.size()) - 1));
    CloseReview(G);
    EXPECT_FALSE(G.View.Review.Visible);
}

TEST(Review, ShowsEveryTrickAsItWasPlayedMidHandAndAtTheHandsEnd) {
    ReviewTable T;
    T.NewGame();
    size_t Checked = 0;
    // Mid-hand at every wait for the human's card, and at every hand's results.
    PlayScripted(T, [&T, &Checked] {
        Game& G = T.G;
        const bool Results = G.View.FramResults.Visible;
        if (!Results && !G.Flow.AwaitingHuman(HumanWait::Card)) return false;
        if (Results) {
            EXPECT_EQ(T.Witness.Seen.size(), 13u);
        }
        if (T.Witness.Seen.empty()) {
            EXPECT_FALSE(CanReview(G));
        } else {
            ExpectReviewShows(T, T.Witness.Seen);
            ++Checked;
        }
        return false;
    });
    EXPECT_GT(Checked, 40u);
    EXPECT_GE(T.Witness.Hands.size(), 3u);
}

TEST(Review, IsOfferedOnlyOnceATrickOfTheHandIsFinishedUntilTheNextDeal) {
    ReviewTable T;
    T.StartUp();
    EXPECT_FALSE(CanReview(T.G));
    EXPECT_FALSE(OpenReview(T.G));
    Click(T.G, {Element::NewGame});
    T.Clock.RunUntilIdle();
    ASSERT_TRUE(T.G.View.FramBids.Visible);
    EXPECT_FALSE(CanReview(T.G)) << "nothing is finished while the human bids";
    PlayScripted(T, [&T] { return T.G.View.FramResults.Visible; });
    EXPECT_EQ(T.G.State.Played.Count, 13);
    EXPECT_TRUE(CanReview(T.G));
    Click(T.G, {Element::Continue});
    PlayScripted(T, [&T] { return T.G.View.FramBids.Visible; });
    EXPECT_EQ(T.G.State.Played.Count, 0) << "the next deal starts afresh";
    EXPECT_FALSE(CanReview(T.G));
}

TEST(Review, CaptionNamesTheTrickItsLeaderAndItsWinner) {
    ReviewTable T;
    T.G.State.PlayerName = "Ann";
    T.G.State.Played.Add({1, {1, 2, 3, 4}, 3});
    T.G.State.Played.Add({3, {5, 6, 7, 8}, 0});
    EXPECT_EQ(ReviewCaption(T.G.State, 0), "Trick 1 of 13 \u2014 led by Rodrick, won by Beatrix");
    EXPECT_EQ(ReviewCaption(T.G.State, 1), "Trick 2 of 13 \u2014 led by Beatrix, won by Ann");
}

// Opened in the middle of a pause, at its first millisecond and at its last.
TEST(Review, HoldsTheGameAndReleasesItWithTheSamePauseLeft) {
    for (const int Into : {0, 1, 250}) {
        SCOPED_TRACE(Into);
        ReviewTable T;
        T.NewGame();
        PlayScripted(T, [&T] { return T.G.State.Played.Count == 2; });
        Game& G = T.G;
        // Played the human's card of the third trick, then stopped inside the first pause after it.
        Click(G, {Element::Card, FirstLegal(G.State)});
        T.Clock.Advance(0);
        ASSERT_GT(G.Flow.PauseLeft(), Into);
        T.Clock.Advance(static_cast<uint64_t>(Into));
        const int Left = G.Flow.PauseLeft();
        ASSERT_GT(Left, 0);
        const int StepsBefore = T.Steps;
        const DisplayModel Before = G.View;
        const size_t Sounds = T.Speaker.Sounds.size();

        ASSERT_TRUE(OpenReview(G));
        EXPECT_FALSE(CanReview(G));
        T.Clock.Advance(60'000);
        StepReview(G, -1);
        Click(G, {Element::Card, CardsOf(G.State, Human).front()});
        EXPECT_EQ(KeysActIn(G), KeyPlace::None);
        EXPECT_FALSE(HintFor(G));
        EXPECT_EQ(T.Steps, StepsBefore) << "the game went on behind the review";
        EXPECT_EQ(T.Speaker.Sounds.size(), Sounds);
        EXPECT_TRUE(SameCards(G.View, Before));
        EXPECT_EQ(G.Flow.PauseLeft(), Left);

        CloseReview(G);
        EXPECT_EQ(G.Flow.PauseLeft(), Left);
        T.Clock.Advance(static_cast<uint64_t>(Left - 1));
        EXPECT_EQ(T.Steps, StepsBefore) << "the pause was cut short";
        T.Clock.Advance(1);
        EXPECT_EQ(T.Steps, StepsBefore + 1) << "the pause did not end where it would have";
    }
}

TEST(Review, WhileTheHumanIsToPlayHoldsTheTurnAndGivesItBack) {
    ReviewTable T;
    T.NewGame();
    PlayScripted(T, [&T] { return T.G.State.Played.Count == 1 && T.G.Flow.AwaitingHuman(HumanWait::Card); });
    Game& G = T.G;
    ASSERT_TRUE(OpenReview(G));
    const int16_t K = FirstLegal(G.State);
    Click(G, {Element::Card, K});
    T.Clock.RunUntilIdle();
    EXPECT_EQ(G.State.Deck[K].Holder, Human) << "a click reached the table behind the review";
    CloseReview(G);
    Click(G, {Element::Card, K});
    T.Clock.RunUntilIdle();
    EXPECT_NE(G.State.Deck[K].Holder, Human);
}

TEST(Hint, MarksTheComputersBidAndCardWithoutBiddingOrPlaying) {
    ReviewTable T;
    T.NewGame();
    Game& G = T.G;
    ASSERT_TRUE(G.View.FramBids.Visible);
    const GameState Before = G.State;
    ASSERT_TRUE(GiveHint(G));
    const std::optional<Clickable> Bid = HintFor(G);
    ASSERT_TRUE(Bid);
    EXPECT_EQ(G.View.Focus, (FocusMark{true, *Bid}));
    EXPECT_EQ(G.View.Hint.Given, 1u);
    EXPECT_EQ(G.View.Hint.Said, "Hint: bid " + std::to_string(Bid->Index));
    T.Clock.RunUntilIdle();
    EXPECT_TRUE(G.View.FramBids.Visible) << "the hint bid by itself";
    EXPECT_EQ(G.State.Bids, Before.Bids);
    PressKey(G, Key::Return);
    T.Clock.RunUntilIdle();
    EXPECT_EQ(G.State.Bids[Human], Bid->Index);

    PlayScripted(T, [&G] { return G.Flow.AwaitingHuman(HumanWait::Card); });
    const std::optional<Clickable> Card = HintFor(G);
    ASSERT_TRUE(Card);
    ASSERT_TRUE(GiveHint(G));
    EXPECT_EQ(G.View.Hint.Said, "Hint: play the " + SpokenName(G.State.Deck[Card->Index]));
    T.Clock.RunUntilIdle();
    EXPECT_EQ(G.State.Deck[Card->Index].Holder, Human) << "the hint played by itself";
    PressKey(G, Key::Return);
    T.Clock.Advance(0);
    EXPECT_NE(G.State.Deck[Card->Index].Holder, Human) << "Return did not play the hinted card";
    EXPECT_FALSE(HintFor(G)) << "nothing to decide once the card is played";
}

} // namespace
