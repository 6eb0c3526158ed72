#pragma once
// A game at a table with no window: a virtual clock, a speaker that writes down what it was asked
// to play and when, and a records folder of its own.

#include "state/Game.h"
#include "state/Sounds.h"
#include "state/VirtualClock.h"
#include "table/StartUp.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace tarnwick::test {

// Tests run as separate processes in parallel, so the folder name carries the process id.
class TempFolder {
public:
    TempFolder() {
        static int Count = 0;
        Path = std::filesystem::temp_directory_path() /
               ("tarnwick-table-" + std::to_string(::getpid()) + "-" + std::to_string(Count++));
        std::filesystem::remove_all(Path);
        std::filesystem::create_directories(Path);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code Ignored;
        std::filesystem::remove_all(Path, Ignored);
    }

    void Write(const std::string& FileName, const std::string& Bytes) const {
        std::ofstream(Path / FileName, std::ios::binary) << Bytes;
    }

    std::filesystem::path Path;
};

// One sound as the speaker heard it: the wave's file name or "beep", at the virtual millisecond.
struct Heard {
    std::string What;
    uint64_t At = 0;
    bool operator==(const Heard&) const = default;
};

inline std::ostream& operator<<(std::ostream& Out, const Heard& H) {
    return Out << H.What << "@" << H.At;
}

class RecordingSpeaker final : public Speaker {
public:
    explicit RecordingSpeaker(const VirtualClock& Time) : Time(Time) {}

    void PlayWave(Wave W) override { Sounds.push_back({WaveFileName(W), Time.Elapsed()}); }
    void Beep() override { Sounds.push_back({"beep", Time.Elapsed()}); }

    // The times at which one kind of sound started, in order.
    std::vector<uint64_t> TimesOf(const std::string& What) const {
        std::vector<uint64_t> Times;
        for (const Heard& H : Sounds)
            if (H.What == What) Times.push_back(H.At);
        return Times;
    }

    std::vector<Heard> Sounds;

private:
    const VirtualClock& Time;
};

inline constexpr const char* DealWave = "CardDeal1.wav";
inline constexpr const char* RiffleWave = "Riffle.wav";

struct Table {
    explicit Table(uint64_t Seed = 1, uint32_t StartTick = 0)
        : Clock(StartTick), G(Clock, Speaker, Seed, Folder.Path) {}

    // The window opens: start-up runs to its end, the pack riffled onto the table.
    void StartUp() {
        G.Steps.Run(Form_Load(G));
        Clock.RunUntilIdle();
    }

    TempFolder Folder;
    VirtualClock Clock;
    RecordingSpeaker Speaker{Clock};
    Game G;
};

// The card numbers a seat holds, lowest first.
inline std::vector<int> CardsOf(const GameState& S, int Seat) {
    std::vector<int> Cards;
    for (int K = 1; K <= CardCount; ++K)
        if (S.Deck[K].Holder == Seat) Cards.push_back(K);
    return Cards;
}

// Puts every card back in the pack, then gives each seat the cards listed for it.
inline void GiveCards(GameState& S, const std::vector<std::vector<int>>& BySeat) {
    for (int K = 1; K <= CardCount; ++K)
        S.Deck[K].Holder = InNoHand;
    for (size_t Seat = 0; Seat < BySeat.size(); ++Seat)
        for (int K : BySeat[Seat])
            S.Deck[K].Holder = static_cast<int16_t>(Seat);
}

// The next hand of a game under way is dealt by the seat after the last dealer.
inline void NextHandDealtBy(GameState& S, uint8_t Dealer) {
    S.GameInProgress = true;
    S.Dealer = static_cast<uint8_t>((Dealer + SeatCount - 1) % SeatCount);
}

// The computer players who bid before the human in this hand.
inline int BotsBeforeHuman(const GameState& S) {
    return (SeatCount - S.FirstLeader) % SeatCount;
}

// From the human's bid to the end of the bidding: the pause after the human's bid, then two
// pauses for every computer player still to bid.
inline uint64_t BiddingLeftAfterHumanBid(const GameState& S) {
    return 800 + 1600 * static_cast<uint64_t>(SeatCount - 1 - BotsBeforeHuman(S));
}

// With this seed the first hand of the first game is dealt by Beatrix, so the human bids first.
inline constexpr uint64_t BeatrixDealsFirst = 3;

} // namespace tarnwick::test
