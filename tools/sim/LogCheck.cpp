// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/LogCheck.h"

#include "sim/JsonValue.h"
#include "sim/Rules.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tarnwick::sim {

namespace {

using std::to_string;
using Four = std::array<int16_t, 4>;

struct BadLine {
    std::string Why;
};

// The keys of each kind of line, in the order they are written.
const std::vector<std::string_view>& KeysOf(std::string_view Type) {
    static const std::vector<std::string_view> Game = {"type", "game", "target", "seed"};
    static const std::vector<std::string_view> Hand = {"type",  "game", "hand",         "dealer",     "deal",
                                                       "hands", "bids", "score_before", "bags_before"};
    static const std::vector<std::string_view> Trick = {"type",   "game",  "hand",  "trick",
                                                        "leader", "cards", "winner"};
    static const std::vector<std::string_view> Score = {
        "type", "game", "hand", "tricks", "hand_score", "over_tricks", "penalty", "score", "bags"};
    static const std::vector<std::string_view> End = {"type",   "game",         "hands", "score",
                                                      "winner", "money_before", "money", "games_won"};
    static const std::vector<std::string_view> None;
    if (Type == "game") return Game;
    if (Type == "hand") return Hand;
    if (Type == "trick") return Trick;
    if (Type == "score") return Score;
    if (Type == "end") return End;
    return None;
}

void Require(bool Holds, const std::string& Why) {
    if (!Holds) throw BadLine{Why};
}

int64_t Whole(const JsonValue& Line, std::string_view Key, int64_t Low, int64_t High) {
    const JsonValue& V = *Line.Field(Key);
    Require(V.Type == JsonValue::Kind::Number, std::string(Key) + " is not a number");
    Require(V.Number >= Low && V.Number <= High, std::string(Key) + " is " + to_string(V.Number) +
                                                     ", outside " + to_string(Low) + ".." + to_string(High));
    return V.Number;
}

std::vector<int64_t> Wholes(const JsonValue& V, std::string_view Key, size_t Count, int64_t Low,
                            int64_t High) {
    Require(V.Type == JsonValue::Kind::List && V.Items.size() == Count,
            std::string(Key) + " is not a list of " + to_string(Count) + " numbers");
    std::vector<int64_t> Values;
    for (const JsonValue& Item : V.Items) {
        Require(Item.Type == JsonValue::Kind::Number && Item.Number >= Low && Item.Number <= High,
                std::string(Key) + " holds something other than a number in " + to_string(Low) + ".." +
                    to_string(High));
        Values.push_back(Item.Number);
    }
    return Values;
}

Four FourOf(const JsonValue& Line, std::string_view Key, int64_t Low = INT16_MIN, int64_t High = INT16_MAX) {
    const std::vector<int64_t> Values = Wholes(*Line.Field(Key), Key, 4, Low, High);
    Four Result{};
    for (size_t I = 0; I < 4; ++I)
        Result[I] = static_cast<int16_t>(Values[I]);
    return Result;
}

std::array<int64_t, 4> Money(const JsonValue& Line, std::string_view Key) {
    const std::vector<int64_t> Values = Wholes(*Line.Field(Key), Key, 4, INT32_MIN, INT32_MAX);
    return {Values[0], Values[1], Values[2], Values[3]};
}

std::string List(const Four& Values) {
    return "[" + to_string(Values[0]) + "," + to_string(Values[1]) + "," + to_string(Values[2]) + "," +
           to_string(Values[3]) + "]";
}

class HistoryReader {
public:
    explicit HistoryReader(LogReport& Report) : Report(Report) {}

    void Line(const JsonValue& L) {
        Require(L.Type == JsonValue::Kind::Object, "not an object");
        const JsonValue* Type = L.Field("type");
        Require(Type && Type->Type == JsonValue::Kind::Text, "no type");
        const auto& Keys = KeysOf(Type->Text);
        Require(!Keys.empty(), "unknown type " + Type->Text);
        Require(L.Keys.size() == Keys.size() && std::equal(Keys.begin(), Keys.end(), L.Keys.begin()),
                "the keys of a " + Type->Text + " line are not exactly those of its kind, in order");
        if (Type->Text == "game") return GameLine(L);
        Require(InGame, "a " + Type->Text + " line outside a game");
        Require(Whole(L, "game", 1, INT64_MAX) == static_cast<int64_t>(Report.Games),
                "the game number is not this game's");
        if (Type->Text == "hand") return HandLine(L);
        if (Type->Text == "trick") return TrickLine(L);
        if (Type->Text == "score") return ScoreLine(L);
        EndLine(L);
    }

    void Finish() const { Require(!InGame, "the history ends in the middle of a game"); }

private:
    void GameLine(const JsonValue& L) {
        Require(!InGame, "a game starts before the last one ended");
        Require(Whole(L, "game", 1, INT64_MAX) == static_cast<int64_t>(Report.Games + 1),
                "games are not numbered in turn");
        Target = static_cast<int>(Whole(L, "target", 100, 300));
        Require(Target == 100 || Target == 200 || Target == 300, "the target is not 100, 200 or 300");
        const int64_t ThisSeed = Whole(L, "seed", INT64_MIN, INT64_MAX);
        if (Seed) Require(*Seed == ThisSeed, "the seed changed from one game to the next");
        Seed = ThisSeed;
        ++Report.Games;
        InGame = true;
        HandNo = 0;
        Dealer = -1;
        Score.fill(0);
        Bags.fill(0);
        EndDue = false;
        HandOpen = false;
    }

    void HandLine(const JsonValue& L) {
        Require(!HandOpen, "a hand starts before the last one was scored");
        Require(!EndDue, "a hand is dealt after the game was over");
        Require(Whole(L, "hand", 1, 9) == HandNo + 1, "hands are not numbered in turn");
        ++HandNo;
        const int NewDealer = static_cast<int>(Whole(L, "dealer", 0, 3));
        if (Dealer >= 0) Require(NewDealer == (Dealer + 1) % 4, "the deal did not pass to the left");
        Dealer = NewDealer;
        const std::vector<int64_t> Deal = Wholes(*L.Field("deal"), "deal", 52, 1, 52);
        std::array<CardSet, 4> Dealt{};
        CardSet All = 0;
        for (size_t I = 0; I < Deal.size(); ++I) {
            const int Card = static_cast<int>(Deal[I]);
            Require((All & CardBit(Card)) == 0, "card " + to_string(Card) + " is dealt twice");
            All |= CardBit(Card);
            Dealt[(static_cast<size_t>(Dealer) + 1 + I) % 4] |= CardBit(Card);
        }
        const JsonValue& Hands = *L.Field("hands");
        Require(Hands.Type == JsonValue::Kind::List && Hands.Items.size() == 4,
                "hands is not a list of four hands");
        for (size_t Seat = 0; Seat < 4; ++Seat) {
            const std::vector<int64_t> Cards = Wholes(Hands.Items[Seat], "a hand", 13, 1, 52);
            CardSet Set = 0;
            for (size_t I = 0; I < Cards.size(); ++I) {
                Require(I == 0 || Cards[I - 1] < Cards[I], "a hand is not in ascending order");
                Set |= CardBit(static_cast<int>(Cards[I]));
            }
            Require(Set == Dealt[Seat], "seat " + to_string(Seat) + "'s hand is not what the deal gave it");
            Held[Seat] = Set;
        }
        Require(FourOf(L, "score_before") == Score, "score_before is not the score after the last hand");
        Require(FourOf(L, "bags_before") == Bags, "bags_before are not the bags after the last hand");
        Bids = FourOf(L, "bids", 0, 13);
        for (size_t Seat = 0; Seat < 4; ++Seat)
            Require(Bids[Seat] == BotBidFor(Held[Seat], Score[Seat], Target),
                    "seat " + to_string(Seat) + "'s bid is not what its cards bid");
        ++Report.Hands;
        HandOpen = true;
        TrickNo = 0;
        Leader = (Dealer + 1) % 4;
        SpadesBroken = false;
        Taken.fill(0);
    }

    void TrickLine(const JsonValue& L) {
        Require(HandOpen && TrickNo < 13, "a trick outside the play of a hand");
        Require(Whole(L, "hand", 1, 9) == HandNo, "the hand number is not this hand's");
        Require(Whole(L, "trick", 1, 13) == TrickNo + 1, "tricks are not numbered in turn");
        ++TrickNo;
        Require(Whole(L, "leader", 0, 3) == Leader, "the wrong seat led");
        const Four Cards = FourOf(L, "cards", 1, 52);
        for (size_t Place = 0; Place < 4; ++Place) {
            const auto Seat = static_cast<size_t>(Leader + static_cast<int>(Place)) % 4;
            Require(IsLegalPlay(Held[Seat], Cards[Place], Place == 0 ? 0 : Cards[0], SpadesBroken),
                    "seat " + to_string(Seat) + " could not play card " + to_string(Cards[Place]));
            Held[Seat] &= ~CardBit(Cards[Place]);
        }
        for (const int16_t Card : Cards)
            if (IsSpade(Card)) SpadesBroken = true;
        const int Winner = static_cast<int>(Whole(L, "winner", 0, 3));
        Require(Winner == TrickWinner(Cards, Leader), "the wrong seat won the trick");
        ++Taken[static_cast<size_t>(Winner)];
        Leader = Winner;
        ++Report.Tricks;
    }

    void ScoreLine(const JsonValue& L) {
        Require(HandOpen && TrickNo == 13, "a hand is scored before its 13 tricks");
        Require(Whole(L, "hand", 1, 9) == HandNo, "the hand number is not this hand's");
        HandOpen = false;
        Require(FourOf(L, "tricks", 0, 13) == Taken, "tricks are not the tricks taken");
        const Four HandScore = FourOf(L, "hand_score"), Over = FourOf(L, "over_tricks", 0, 13);
        const Four NewScore = FourOf(L, "score"), NewBags = FourOf(L, "bags", 0, 100);
        const JsonValue& Penalty = *L.Field("penalty");
        Require(Penalty.Type == JsonValue::Kind::List && Penalty.Items.size() == 4,
                "penalty is not four flags");
        for (size_t Seat = 0; Seat < 4; ++Seat) {
            const std::string Who = "seat " + to_string(Seat) + ": ";
            Require(Penalty.Items[Seat].Type == JsonValue::Kind::Flag, "penalty is not four flags");
            const bool Penalised = Penalty.Items[Seat].Flag;
            Require(HandScore[Seat] == HandPointsFor(Bids[Seat], Taken[Seat]),
                    Who + "the hand's score is wrong");
            const BagsAfterHand After = AddBags(Bags[Seat], Bids[Seat], Taken[Seat]);
            Require(Over[Seat] == After.OverTricks && NewBags[Seat] == After.Bags &&
                        Penalised == After.Penalty,
                    Who + "the bags are wrong");
            Require(NewScore[Seat] == Score[Seat] + HandScore[Seat] - (Penalised ? 100 : 0),
                    Who + "the score is wrong");
        }
        Score = NewScore;
        Bags = NewBags;
        EndDue = GameEndsAfter(HandNo, Score, Target);
    }

    void EndLine(const JsonValue& L) {
        Require(!HandOpen && EndDue, "the game ends before it is over");
        Require(Whole(L, "hands", 1, 9) == HandNo, "hands is not the number of hands played");
        Require(FourOf(L, "score") == Score, "the final score is not the last hand's " + List(Score));
        const JsonValue& WinnerField = *L.Field("winner");
        const int Winner =
            WinnerField.Type == JsonValue::Kind::Null ? -1 : static_cast<int>(Whole(L, "winner", 0, 3));
        Require(Winner == SoleWinner(Score), "the winner is not the sole highest score");
        const auto Before = Money(L, "money_before"), After = Money(L, "money");
        if (LastMoney) Require(Before == *LastMoney, "money_before is not the money after the last game");
        for (size_t Seat = 0; Seat < 4; ++Seat) {
            int64_t Owed = 0;
            if (Winner >= 0) {
                const auto W = static_cast<size_t>(Winner);
                if (Seat == W)
                    for (size_t Other = 0; Other < 4; ++Other)
                        Owed += Score[W] - Score[Other];
                else
                    Owed = Score[Seat] - Score[W];
            }
            Require(After[Seat] - Before[Seat] == Owed, "seat " + to_string(Seat) + "'s fun money is wrong");
        }
        const Four Won = FourOf(L, "games_won");
        if (LastWon)
            for (size_t Seat = 0; Seat < 4; ++Seat)
                Require(Won[Seat] ==
                            static_cast<int16_t>((*LastWon)[Seat] + (static_cast<int>(Seat) == Winner)),
                        "seat " + to_string(Seat) + "'s games won is wrong");
        LastMoney = After;
        LastWon = Won;
        InGame = false;
    }

    LogReport& Report;
    std::optional<int64_t> Seed;
    std::optional<std::array<int64_t, 4>> LastMoney;
    std::optional<Four> LastWon;
    bool InGame = false, HandOpen = false, EndDue = false, SpadesBroken = false;
    int Target = 0, HandNo = 0, Dealer = -1, TrickNo = 0, Leader = 0;
    Four Score{}, Bags{}, Bids{}, Taken{};
    std::array<CardSet, 4> Held{};
};

} // namespace

LogReport CheckLog(std::istream& In) {
    LogReport Report;
    HistoryReader Reader(Report);
    std::string Text;
    JsonValue Line;
    std::string Error;
    try {
        while (std::getline(In, Text)) {
            ++Report.Lines;
            Require(ParseJson(Text, Line, Error), "not JSON: " + Error);
            Reader.Line(Line);
        }
        Require(Report.Lines > 0, "the history is empty");
        Reader.Finish();
    } catch (const BadLine& Bad) {
        Report.Error = "line " + to_string(Report.Lines) + ": " + Bad.Why;
    }
    return Report;
}

} // namespace tarnwick::sim
