#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plants small deliberate faults in the game, one at a time, and reports which of them the tests
# catch. Each fault is a literal edit of one place in src/; the file is put back after its run and
# the build is brought back in line at the end.
#
#   tools/mutants.sh [build-folder] [fault-id...]
#
# The build folder (build/ beside tools/ when not given) must already be configured. Every test
# CTest knows in it is run for every fault, so a build without the window suits the core and the
# simulator. Prints one line a fault: its id, "caught" or "MISSED", and the tests that failed.
# Fails when any fault cannot be planted (the list no longer matches the code), does not build, or
# is missed.
set -euo pipefail
Root=$(cd "$(dirname "$0")/.." && pwd)
Build=$(realpath "${1:-$Root/build}")
shift || true
Only=("$@")

Ids=() Files=() Froms=() Tos=() Whats=()
Fault() {
    Ids+=("$1") Files+=("$2") Froms+=("$3") Tos+=("$4") Whats+=("$5")
}

Fault T1 src/flow/Tricks.cpp '"Beatrix played  "' '"Beatrix played "' \
    "a blank gone from Beatrix's played text"
Fault T2 src/flow/Tricks.cpp '"Desmond won the trick and now has tricks "' \
    '"Desmond won the trick and now has tricks"' "a blank gone from Desmond's won text"
Fault T3 src/commands/TableClicks.cpp '" Sorry, you cannot play that card. Try again please"' \
    '" Sorry, you cannot play that card. Try again please."' "a full stop added to the refusal"
Fault P1 src/flow/CardPlaces.h 'Gathered{5160, 3780}' 'Gathered{5160, 3790}' "the trick gathers 10 twips lower"
Fault P2 src/flow/DisplayModel.cpp '{1080, ValueTops[S], 615, 375}' '{1080, ValueTops[S], 616, 375}' \
    "the score boxes a twip wider"
Fault P3 src/flow/MessageBox.cpp 'Centre - ButtonWidth - 23' 'Centre - ButtonWidth - 24' \
    "the first of two message buttons a twip to the left"
Fault P4 src/flow/CardPlaces.h '{{4560, 3000}, {3840, 192}, false}' '{{4560, 3000}, {3840, 192}, true}' \
    "Desmond's dealt cards land with a sound"
Fault W1 src/flow/Pacing.h 'Trick = 500;' 'Trick = 501;' "the trick's pause 501 ms"
Fault W2 src/flow/Pacing.h 'return Place == 1 ? S.BasePause : Trick;' 'return Place >= 1 ? S.BasePause : Trick;' \
    "the human's card paused 200 ms when following"
Fault R1 src/rules/Scoring.cpp 'Bags = Bags > BagLimit ? static_cast<int16_t>(Bags - BagLimit) : int16_t{0};' \
    'Bags = int16_t{0};' "bags past ten are not carried"
Fault R2 src/rules/Scoring.cpp 'NilBonus = 200' 'NilBonus = 100' "a nil is worth 100"
Fault R3 src/rules/Trick.cpp 'K >= FirstOfSuit(Spades); --K)' 'K > FirstOfSuit(Spades); --K)' "the Two of Spades does not trump"
Fault R4 src/flow/NewHand.cpp '    S.Dealer = NextSeat(S.Dealer);' \
    '    if (S.HandNumber == 1) S.Dealer = NextSeat(S.Dealer);' "the deal does not move on after the first hand"
Fault R5 src/rules/Scoring.cpp 'for (size_t B = A + 1; B < SeatCount; ++B)' \
    'for (size_t B = A + 2; B < SeatCount; ++B)' "a draw only between seats two apart"
Fault R6 src/flow/GameEnd.cpp 'AddToBalance(S.FunMoney[W], S.Score[W] - S.Score[O])' \
    'AddToBalance(S.FunMoney[W], S.Score[O] - S.Score[W])' "the winner pays instead of being paid"
Fault B1 src/rules/BotsBids.cpp $'    if (Deck[QueenOfSpades].Holder == WhichBot) ++Count;\n' '' \
    "the Queen of Spades not counted in a computer bid"
Fault B2 src/rules/BotsBids.cpp '10 * Bid + Score + 10 == TargetScore' '10 * Bid + Score + 10 >= TargetScore' \
    "a computer bid raised whenever it would reach the target"
Fault B3 src/rules/BotPlay.cpp 'if (Card == 0) Card = FirstInDeckOrder(S.Deck, Seat);' \
    'if (Card == 0) Card = LowestCard(S.Deck, Seat);' "third place throws off by value"
Fault L1 src/rules/Legality.cpp 'for (int K = 1; K <= LastOfSuit(Hearts); ++K)' 'for (int K = 1; K <= LastOfSuit(Diamonds); ++K)' \
    "a spade lead allowed to a hand of hearts and spades"
Fault L2 src/rules/Legality.cpp 'return !HoldsSuit(S, Led) || C.Suit == Led;' \
    'return !HoldsSuit(S, Led) || C.Suit == Led || C.Suit == Spades;' "the human may trump while holding the suit led"
Fault L3 src/commands/TableClicks.cpp '!S.GameInProgress || S.CardClickLock ||' '!S.GameInProgress ||' \
    "a second card clicked at once is taken instead of the first"
Fault L4 src/commands/TableClicks.cpp 'Index > 13)' 'Index > 14)' "a bid of 14 is taken"
Fault F1 src/records/Records.cpp 'StorableName(PlayerName) + "\",";' 'StorableName(PlayerName) + "\", ";' \
    "Name.dat with a blank after the name"
Fault F2 src/flow/GameEnd.cpp $'        CountTheWin(G, Winner);\n        SaveNameData(G);\n    }' \
    $'        CountTheWin(G, Winner);\n    }' "Name.dat not saved after a game lost"
Fault F3 src/commands/Commands.cpp '        SaveMoneyData(Asker);' '' \
    "Money.dat not saved on leaving"
Fault F4 src/commands/Statistics.cpp '        SaveMoneyData(Asker);' '' \
    "Money.dat not saved when the statistics are deleted"
Fault F5 src/flow/ShowRecords.cpp '    G.View.LblPMoney.Caption = Name;' '' \
    "the name, new or old, missing from the statistics frame"
Fault H1 src/flow/Questions.cpp '    G.Flow.Hold();' '' "a question does not hold the game"
Fault H2 src/flow/FlowRunner.cpp 'if (std::exchange(DueWhileHeld, false)) Resume();' 'DueWhileHeld = false;' \
    "a pause that ran out while held never ends"
Fault H3 src/flow/FlowRunner.cpp 'if (!WaitingForHuman || Awaited != With || Pending) return false;' \
    $'static_cast<void>(With);\n    if (!WaitingForHuman || Pending) return false;' "any answer wakes any wait for the human"
Fault H4 src/flow/FlowRunner.cpp 'if (Time.TickCount() - PauseFrom < PauseMs) {' 'if (false) {' \
    "a timer that fires early ends the pause early"
Fault H5 src/flow/FlowRunner.cpp 'if (Pending) Time.CancelTimer(std::exchange(Pending, 0));' 'Pending = 0;' \
    "a flow given up leaves its timer running"
Fault H6 src/commands/Commands.cpp $'    // The Game menu rests while the cards are dealt.\n    if (G.MenusRest) return ClickResult::Ignored;\n' '' \
    "New Game heard during the deal"
Fault S1 src/rules/Searches.cpp 'if (!Deck[K].Played) return false;' 'if (!Deck[K].Played && K % 13 != 0) return false;' \
    "a King counts as a master card while its Ace is out"
Fault S2 src/rules/Searches.cpp 'const int Count = Position - 1;' 'const int Count = 3;' \
    "third place counts the third card's variable as on the table"
Fault S3 src/rules/Searches.cpp 'K <= LastOfSuit(Deck[ToBeat].Suit); ++K)' 'K <= CardCount; ++K)' \
    "the cheapest winner looked for outside the suit"
Fault Z1 src/flow/Sweep.cpp '    V.BringToFrontOfAll(FourthCard(S));' '' "the trick's last card not brought to the front"
Fault Z4 src/flow/Sweep.cpp 'V.BringToFrontOfAll(FourthCard(S));' 'V.BringToFront(FourthCard(S));' \
    "the trick's last card brought in front of the cards only, under the score panel"
Fault Z2 src/flow/Tricks.cpp '    G.View.BringToFront(BotCard);' '' "a computer player's card not brought to the front"
Fault Z3 src/flow/NewHand.cpp '        V.LblBid[Seat].Caption.clear();' '' "the bid boxes not cleared with the table"
Fault N1 src/flow/FlowRunner.cpp $'        Later();\n        StepDone();\n' $'        Later();\n' \
    "a failed save's note set without the window being told"
Fault Y1 src/rules/Trick.cpp $'#include "rules/Trick.h"\n' $'#include "rules/Trick.h"\n#include "flow/Game.h"\n' \
    "the rules include a header of the flow above them"
Fault M1 src/flow/Tricks.cpp $'    co_await JustMoveCardsOut(G, W);\n' $'    S.Leader = W;\n    co_await JustMoveCardsOut(G, W);\n' \
    "the winner leads before the trick is swept, so the wrong card flies to the winner"
Fault V1 src/flow/FlowRunner.cpp '        PauseFrom += Time.TickCount() - FrozenAt;' '' \
    "the time the review stood open is taken from the pause under way"
Fault V2 src/flow/Tricks.cpp 'S.Played.Add({S.Leader, S.PlayedCard, W});' 'S.Played.Add({W, S.PlayedCard, S.Leader});' \
    "the review swaps a trick's leader and winner"
Fault V3 src/flow/NewHand.cpp '    S.Played = {};' '' "the review keeps the last hand's tricks into the next"
Fault V4 src/commands/Hint.cpp 'BotPlaysPlace(S, Human, HumanPlaceInTrick(S))' 'BotPlaysPlace(S, Human, 1)' \
    "the hint always leads"

Wanted() {
    [ ${#Only[@]} -eq 0 ] && return 0
    local Id
    for Id in "${Only[@]}"; do [ "$Id" = "$1" ] && return 0; done
    return 1
}

Saved=$(mktemp -d)
Planted=""
PutBack() {
    if [ -n "$Planted" ]; then cp "$Saved/original" "$Root/$Planted"; fi
    Planted=""
}
trap 'PutBack; rm -rf "$Saved"' EXIT

# Replaces the one place FROM occurs in the file; any other count means the list needs mending.
Plant() {
    FROM="$2" TO="$3" perl -0777 -i -pe '
        BEGIN { $f = $ENV{FROM}; $t = $ENV{TO}; }
        $n = () = /\Q$f\E/g;
        die "found $n times\n" unless $n == 1;
        s/\Q$f\E/$t/;' "$1"
}

# The names of the tests that failed, one line.
RunTests() {
    local Log="$Saved/ctest.log"
    if ctest --test-dir "$Build" -j2 --timeout 120 >"$Log" 2>&1; then
        echo ""
        return 0
    fi
    sed -n '/The following tests FAILED/,$p' "$Log" | grep -E '^[[:space:]]+[0-9]+ - ' |
        sed -E 's/^[[:space:]]+[0-9]+ - ([^ ]+).*/\1/' | tr '\n' ' '
    return 1
}

cmake --build "$Build" -j2 >/dev/null
if ! Failed=$(RunTests); then
    echo "the tests fail without any fault: $Failed" >&2
    exit 1
fi

Problems=0
for I in "${!Ids[@]}"; do
    Wanted "${Ids[$I]}" || continue
    File="${Files[$I]}"
    cp "$Root/$File" "$Saved/original"
    if ! Plant "$Root/$File" "${Froms[$I]}" "${Tos[$I]}" 2>"$Saved/plant.log"; then
        echo "${Ids[$I]}	cannot plant: $(cat "$Saved/plant.log")	${Whats[$I]}"
        Problems=$((Problems + 1))
        continue
    fi
    Planted="$File"
    if ! cmake --build "$Build" -j2 >"$Saved/build.log" 2>&1; then
        echo "${Ids[$I]}	does not build	${Whats[$I]}"
        Problems=$((Problems + 1))
        PutBack
        continue
    fi
    if Failed=$(RunTests); then
        echo "${Ids[$I]}	MISSED	${Whats[$I]}"
        Problems=$((Problems + 1))
    else
        echo "${Ids[$I]}	caught	${Whats[$I]}	[$Failed]"
    fi
    PutBack
done
cmake --build "$Build" -j2 >/dev/null
if [ "$Problems" -ne 0 ]; then
    echo "$Problems of the faults were not planted or not caught" >&2
    exit 1
fi
