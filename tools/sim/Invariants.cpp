// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/Invariants.h"

#include "flow/Questions.h"

#include <numeric>

namespace tarnwick::sim {

namespace {

using std::to_string;

template <class Range> std::string List(const Range& Values) {
    std::string Text = "[";
    for (const auto Value : Values) {
        if (Text.size() > 1) Text += ',';
        Text += to_string(Value);
    }
    return Text + "]";
}

} // namespace

void Invariants::Fail(const std::string& What) {
    if (Broken()) return;
    Violation = "game " + to_string(GameNo);
    if (HandNo > 0 && Now != Phase::NoGame) Violation += ", hand " + to_string(HandNo);
    if (TrickNo > 0 && Now == Phase::Playing) Violation += ", trick " + to_string(TrickNo + 1);
    Violation += ": " + What;
}

void Invariants::GameStarting(const GameState& S, uint64_t Game) {
    const bool LastOver = Now == Phase::NoGame || Now == Phase::Over;
    Now = Phase::BeforeDeal;
    GameNo = Game;
    Target = S.TargetScore;
    HandsInGame = 0;
    HandNo = 0;
    Dealer = -1;
    EndDue = false;
    RunningScore.fill(0);
    RunningBags.fill(0);
    MoneyBefore = S.FunMoney;
    GamesWonBefore = S.GamesWon;
    const int64_t Total = std::accumulate(S.FunMoney.begin(), S.FunMoney.end(), int64_t{0});
    if (!MoneyTotalKnown) {
        MoneyTotal = Total;
        MoneyTotalKnown = true;
    } else if (Total != MoneyTotal) {
        Fail("fun money sums to " + to_string(Total) + " instead of " + to_string(MoneyTotal));
    }
    if (!LastOver) Fail("a new game starts before the last one was over");
}

void Invariants::CardDealt(uint8_t Seat, int16_t CardNo) {
    if (Now == Phase::BeforeDeal || Now == Phase::Scored) {
        if (Now == Phase::Scored && EndDue) Fail("a new hand is dealt after the game was over");
        Now = Phase::Dealing;
        ++HandNo;
        Hands.fill(0);
        Dealt = 0;
        DealtCount = 0;
        TrickNo = 0;
        SpadesBroken = false;
        TricksBySeat.fill(0);
        FirstDealtSeat = Seat;
    } else if (Now != Phase::Dealing) {
        return Fail("a card is dealt in the middle of a hand");
    } else if (Seat != (LastDealtSeat + 1) % SeatCount) {
        return Fail("card " + to_string(CardNo) + " is dealt to seat " + to_string(Seat) + " out of turn");
    }
    if (Seat >= SeatCount) return Fail("a card is dealt to seat " + to_string(Seat));
    if (!IsCard(CardNo)) return Fail("card number " + to_string(CardNo) + " is dealt");
    if ((Dealt & CardBit(CardNo)) != 0) return Fail("card " + to_string(CardNo) + " is dealt twice");
    Dealt |= CardBit(CardNo);
    Hands[Seat] |= CardBit(CardNo);
    LastDealtSeat = Seat;
    if (++DealtCount > CardCount) Fail("more than 52 cards are dealt");
}

void Invariants::BiddingDone(const GameState& S) {
    if (Now != Phase::Dealing) return Fail("the bidding ends without a deal");
    Now = Phase::Playing;
    ++HandsInGame;
    if (DealtCount != CardCount) return Fail(to_string(DealtCount) + " cards were dealt");
    for (int Seat = 0; Seat < SeatCount; ++Seat)
        if (CountCards(Hands[static_cast<size_t>(Seat)]) != 13)
            return Fail("seat " + to_string(Seat) + " was dealt " +
                        to_string(CountCards(Hands[static_cast<size_t>(Seat)])) + " cards");
    if (S.HandNumber != HandsInGame)
        return Fail("the table counts hand " + to_string(S.HandNumber) + ", this is hand " +
                    to_string(HandsInGame));
    if (HandsInGame > 1 && S.Dealer != (Dealer + 1) % SeatCount)
        return Fail("seat " + to_string(S.Dealer) + " deals after seat " + to_string(Dealer));
    Dealer = S.Dealer;
    if (FirstDealtSeat != NextSeat(S.Dealer)) return Fail("the deal did not begin left of the dealer");
    if (S.FirstLeader != NextSeat(S.Dealer) || S.Leader != S.FirstLeader)
        return Fail("seat " + to_string(S.Leader) + " is to lead, not the seat left of the dealer");
    if (!S.GameInProgress) return Fail("no game is in progress after the bidding");
    for (size_t Seat = 0; Seat < SeatCount; ++Seat) {
        if (S.Score[Seat] != RunningScore[Seat] || S.Bags[Seat] != RunningBags[Seat])
            return Fail("the scores or bags changed between hands: " + List(S.Score) + " / " + List(S.Bags));
        // South bids as a computer player would, so every seat's bid follows the same rule.
        const int Expected = BotBidFor(Hands[Seat], S.Score[Seat], S.TargetScore);
        if (S.Bids[Seat] != Expected)
            return Fail("seat " + to_string(Seat) + " bid " + to_string(S.Bids[Seat]) + ", its cards bid " +
                        to_string(Expected));
    }
    Bids = S.Bids;
    NextLeader = S.FirstLeader;
    CheckPack(S);
    CheckHands(S);
}

void Invariants::TrickDone(uint8_t Leader, const std::array<int16_t, 4>& Cards, uint8_t Winner) {
    if (Now != Phase::Playing) return Fail("a trick is played outside the play of a hand");
    if (Leader != NextLeader)
        return Fail("seat " + to_string(Leader) + " led instead of seat " + to_string(NextLeader));
    for (size_t Place = 0; Place < Cards.size(); ++Place) {
        const auto Seat = static_cast<size_t>((Leader + Place) % SeatCount);
        const int Card = Cards[Place];
        if (!IsCard(Card) || (Hands[Seat] & CardBit(Card)) == 0)
            return Fail("seat " + to_string(Seat) + " played card " + to_string(Card) +
                        ", which it does not hold");
        if (!IsLegalPlay(Hands[Seat], Card, Place == 0 ? 0 : Cards[0], SpadesBroken))
            return Fail("seat " + to_string(Seat) + " played card " + to_string(Card) +
                        " against the rules in " + List(Cards));
    }
    const int Expected = TrickWinner(Cards, Leader);
    if (Winner != Expected)
        return Fail("seat " + to_string(Winner) + " took " + List(Cards) + ", led by seat " +
                    to_string(Leader) + "; seat " + to_string(Expected) + " won it");
    for (size_t Place = 0; Place < Cards.size(); ++Place) {
        Hands[(Leader + Place) % SeatCount] &= ~CardBit(Cards[Place]);
        if (IsSpade(Cards[Place])) SpadesBroken = true;
    }
    ++TricksBySeat[Winner];
    NextLeader = Winner;
    if (++TrickNo > 13) Fail("a hand has more than 13 tricks");
}

void Invariants::HandScored(const GameState& S) {
    if (Now != Phase::Playing) return Fail("a hand is scored that was not played");
    Now = Phase::Scored;
    if (TrickNo != 13) return Fail("the hand was scored after " + to_string(TrickNo) + " tricks");
    for (const CardSet Hand : Hands)
        if (Hand != 0) return Fail("cards are left in a hand after 13 tricks");
    if (S.TricksWon != TricksBySeat)
        return Fail("tricks won " + List(S.TricksWon) + ", tricks taken " + List(TricksBySeat));
    if (std::accumulate(S.TricksWon.begin(), S.TricksWon.end(), 0) != 13)
        return Fail("the tricks won " + List(S.TricksWon) + " do not sum to 13");
    if (S.Bids != Bids) return Fail("the bids changed during play: " + List(S.Bids));
    for (size_t Seat = 0; Seat < SeatCount; ++Seat) {
        auto Who = [&] {
            return "seat " + to_string(Seat) + " (bid " + to_string(Bids[Seat]) + ", made " +
                   to_string(S.TricksWon[Seat]) + ")";
        };
        const int Points = HandPointsFor(Bids[Seat], S.TricksWon[Seat]);
        if (S.HandScore[Seat] != Points)
            return Fail(Who() + " scored " + to_string(S.HandScore[Seat]) + " instead of " +
                        to_string(Points));
        const BagsAfterHand After = AddBags(RunningBags[Seat], Bids[Seat], S.TricksWon[Seat]);
        if (S.OverTricks[Seat] != After.OverTricks || S.Bags[Seat] != After.Bags ||
            S.BagPenalty[Seat] != After.Penalty)
            return Fail(Who() + " has " + to_string(S.OverTricks[Seat]) + " overtricks and " +
                        to_string(S.Bags[Seat]) + " bags" + (S.BagPenalty[Seat] ? " with a penalty" : "") +
                        " after " + to_string(RunningBags[Seat]) + " bags");
        RunningBags[Seat] = After.Bags;
        RunningScore[Seat] += S.HandScore[Seat] - (S.BagPenalty[Seat] ? 100 : 0);
        if (S.Score[Seat] != RunningScore[Seat])
            return Fail(Who() + " has a score of " + to_string(S.Score[Seat]) + ", its hands add up to " +
                        to_string(RunningScore[Seat]));
    }
    EndDue = GameEndsAfter(S.HandNumber, S.Score, Target);
    CheckPack(S);
    CheckHands(S);
}

void Invariants::GameOver(const GameState& S, const BySeat<int16_t>& FinalScore, int Winner) {
    if (Now != Phase::Scored) return Fail("the game ends in the middle of a hand");
    Now = Phase::Over;
    if (!EndDue)
        return Fail("the game ends after hand " + to_string(HandsInGame) + " with " + List(FinalScore));
    for (size_t Seat = 0; Seat < SeatCount; ++Seat)
        if (FinalScore[Seat] != RunningScore[Seat])
            return Fail("the final scores " + List(FinalScore) + " are not the hands' " + List(RunningScore));
    const int Expected = SoleWinner(FinalScore);
    if (Winner != Expected)
        return Fail("seat " + to_string(Winner) + " won with " + List(FinalScore) + ", not seat " +
                    to_string(Expected));
    if (S.GameInProgress) return Fail("the game is still in progress after it ended");
    for (size_t Seat = 0; Seat < SeatCount; ++Seat) {
        const auto W = static_cast<size_t>(Winner);
        int64_t Owed = 0;
        if (Winner >= 0 && Seat == W) {
            for (size_t Other = 0; Other < SeatCount; ++Other)
                Owed += FinalScore[W] - FinalScore[Other];
        } else if (Winner >= 0) {
            Owed = -(FinalScore[W] - FinalScore[Seat]);
        }
        if (int64_t{S.FunMoney[Seat]} - MoneyBefore[Seat] != Owed)
            return Fail("seat " + to_string(Seat) + "'s fun money went from " + to_string(MoneyBefore[Seat]) +
                        " to " + to_string(S.FunMoney[Seat]) + " with " + List(FinalScore));
        // The count is a 16-bit number, as the records keep it: past 32767 it wraps.
        const auto Won =
            static_cast<int16_t>(GamesWonBefore[Seat] + (static_cast<int>(Seat) == Winner ? 1 : 0));
        if (S.GamesWon[Seat] != Won)
            return Fail("seat " + to_string(Seat) + "'s games won went from " +
                        to_string(GamesWonBefore[Seat]) + " to " + to_string(S.GamesWon[Seat]));
        if (Won < GamesWonBefore[Seat] && !WrapNoted[Seat]) {
            WrapNoted[Seat] = true;
            Remarks.push_back("game " + to_string(GameNo) + ": seat " + to_string(Seat) +
                              "'s games won passed 32767 and wrapped to " + to_string(Won) +
                              " (the table keeps it in 16 bits)");
        }
    }
    const int64_t Total = std::accumulate(S.FunMoney.begin(), S.FunMoney.end(), int64_t{0});
    if (Total != MoneyTotal)
        Fail("fun money sums to " + to_string(Total) + " instead of " + to_string(MoneyTotal));
}

void Invariants::CheckPack(const GameState& S) {
    for (int K = 1; K <= CardCount; ++K) {
        const Card& C = S.Deck[K];
        if (C.CardNo != K || C.Suit != SuitOf(K) || C.Value != (K - 1) % 13 + 2)
            return Fail("card record " + to_string(K) + " reads as card " + to_string(C.CardNo));
        if (C.Holder != InNoHand && (C.Holder < 0 || C.Holder >= SeatCount))
            return Fail("card " + to_string(K) + " is held by " + to_string(C.Holder));
    }
}

void Invariants::CheckHands(const GameState& S) {
    BySeat<CardSet> Held{};
    for (int K = 1; K <= CardCount; ++K)
        if (S.Deck[K].Holder != InNoHand) Held.at(static_cast<size_t>(S.Deck[K].Holder)) |= CardBit(K);
    for (size_t Seat = 0; Seat < SeatCount; ++Seat) {
        auto Who = [Seat] { return "seat " + to_string(Seat); };
        if (Now == Phase::Dealing) {
            if (Held[Seat] != Hands[Seat]) return Fail(Who() + " does not hold the cards it was dealt");
            continue;
        }
        if (Now != Phase::Playing) {
            if (Held[Seat] != 0) return Fail(Who() + " still holds cards outside the play of a hand");
            continue;
        }
        if ((Held[Seat] & ~Hands[Seat]) != 0)
            return Fail(Who() + " holds a card it was never dealt or has played");
        // Only the card it put into the trick on the table may be missing yet.
        const CardSet Gone = Hands[Seat] & ~Held[Seat];
        if (CountCards(Gone) > 1 || (Gone != 0 && Gone != CardBit(S.PlayedCard[Seat])))
            return Fail(Who() + " is missing cards it has not played");
    }
}

void Invariants::AtWait(const Game& G) {
    const GameState& S = G.State;
    CheckPack(S);
    if (Broken()) return;
    CheckHands(S);
    if (Broken() || !G.Flow.Running()) return;
    const DisplayModel& V = G.View;
    const bool HumanToPlay = G.Flow.AwaitingHuman(HumanWait::Card) && S.GameInProgress && !S.CardClickLock;
    const int Waits = V.MessageBox.Visible + V.FramBids.Visible + V.FramResults.Visible + HumanToPlay;
    if (Waits != 1) return Fail("the table waits for " + to_string(Waits) + " answers at once");
    // What is shown is what the flow waits for.
    if (V.FramBids.Visible != G.Flow.AwaitingHuman(HumanWait::Bid) ||
        V.FramResults.Visible != G.Flow.AwaitingHuman(HumanWait::Continue) ||
        V.MessageBox.Visible != G.Flow.AwaitingHuman(HumanWait::Question))
        return Fail("the panel shown is not the one the game waits for");
    // The game keeps its own facts beside what it shows, and never asks the table for them.
    if (V.MessageBox.Visible != MessageBoxOpen(G) || V.NameInput.Visible != NameBoxOpen(G) ||
        (MessageBoxOpen(G) && V.MessageBox.Captions != G.Asked.Captions) || V.MnuGameEnabled == G.MenusRest ||
        V.MnuOptionsEnabled == G.MenusRest || V.FramMoney.Visible != G.StatisticsOpen)
        return Fail("the table shows what the game does not hold");
    if (V.FramBids.Visible && (Now != Phase::Dealing || DealtCount != CardCount))
        return Fail("the bid panel is up before the deal is complete");
    if (HumanToPlay && (Now != Phase::Playing || CardsLeft(S, Human) == 0))
        return Fail("the human is asked for a card with none to play");
    if (V.FramResults.Visible && Now != Phase::Scored) return Fail("results are shown for a hand not scored");
}

} // namespace tarnwick::sim
