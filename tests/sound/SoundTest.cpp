// SPDX-License-Identifier: GPL-3.0-or-later
// The window's speaker on a real sound server (tools/with_sound_server.sh runs this test beside a
// PulseAudio of its own): what its sink plays is recorded from the monitor and every sound the
// game asked for is looked for there. A hand at the game's pace, from its riffle to the boxes of
// the game's end, then ten hands as fast as requests follow one another, then a hand at the
// game's pace again: a speaker that drops sounds, plays them late or goes quiet after a while fails.

#include "GameSounds.h"
#include "MonitorRecorder.h"
#include "Onsets.h"
#include "SpeakerDriver.h"
#include "gui/DesktopSpeaker.h"

#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>

namespace tarnwick::sound {

namespace {

using namespace std::chrono_literals;

// The desktop's bell as the freedesktop sound theme has it, found where the desktop looks.
std::filesystem::path BellFile() {
    const char* Dirs = std::getenv("XDG_DATA_DIRS");
    std::stringstream Each(Dirs && *Dirs ? Dirs : "/usr/local/share:/usr/share");
    for (std::string Dir; std::getline(Each, Dir, ':');) {
        const std::filesystem::path File = std::filesystem::path(Dir) / "sounds/freedesktop/stereo/bell.oga";
        if (std::filesystem::exists(File)) return File;
    }
    return {};
}

double Median(std::vector<double> Values) {
    if (Values.empty()) return 0;
    std::sort(Values.begin(), Values.end());
    return Values[Values.size() / 2];
}

std::string Report(const char* Title, const Counts& Tally) {
    std::ostringstream Out;
    Out << Title << ":";
    for (const auto& [Kind, C] : Tally) {
        Out << "  " << Kind << " " << C.Heard << "/" << C.Asked;
        if (!C.LateMs.empty())
            Out << " (" << static_cast<int>(Median(C.LateMs) + 0.5) << "-"
                << static_cast<int>(*std::max_element(C.LateMs.begin(), C.LateMs.end()) + 0.5) << " ms)";
    }
    for (const auto& [Kind, C] : Tally)
        for (const std::string& Miss : C.Missed)
            Out << "\n    not heard, " << Kind << " " << Miss;
    return Out.str();
}

// A player's time to click Continue or a box's button: long enough for the ring to be heard, and
// to fade below what counts as heard, before the next sound cuts it off, so the ring of a box is
// its own and not the tail of the results' ring.
constexpr auto Think = 600ms;

// Half the card sounds start within this of their request: a buffer or two of the speaker's, and
// the recorder's own timing on a busy machine.
constexpr auto OnTime = 40ms;

} // namespace

class SoundTest : public QObject {
    Q_OBJECT
private slots:
    void EverySoundIsHeardAllSessionLong();
};

void SoundTest::EverySoundIsHeardAllSessionLong() {
    // Games to 100 end in a few hands; the first and the third game's last hands end with the
    // boxes of the game's end, and at least ten hands lie between them.
    const std::vector<HandSounds> Hands = HandsPlayed(3, 4, 100);
    std::vector<size_t> Last;
    for (size_t I = 0; I < Hands.size(); ++I)
        if (Hands[I].LastOfGame) Last.push_back(I);
    QVERIFY(Last.size() >= 3);
    const size_t First = Last[0];
    const auto Second = std::find_if(Last.begin(), Last.end(), [First](size_t I) { return I > First + 10; });
    QVERIFY(Second != Last.end());
    const std::vector<HandSounds> Fast(Hands.begin() + static_cast<ptrdiff_t>(First) + 1,
                                      Hands.begin() + static_cast<ptrdiff_t>(First) + 11);

    const std::filesystem::path Assets = TARNWICK_ASSETS;
    Openings Sounds;
    for (const Wave W : {Wave::Riffle, Wave::CardDeal, Wave::RingOut})
        Sounds[WaveFileName(W)] = OpeningOf(ReadWave(Assets / WaveFileName(W)));
    Sounds["beep"] = OpeningOf(ReadVorbis(BellFile()));
    for (const auto& [Name, O] : Sounds)
        QVERIFY2(O.Energy > 0, ("cannot read the sound " + Name).c_str());

    std::unique_ptr<MonitorRecorder> Recorder;
    try {
        Recorder = std::make_unique<MonitorRecorder>("tarnwick.monitor");
    } catch (const std::exception& E) {
        QFAIL((std::string(E.what()) + " (run me through tools/with_sound_server.sh)").c_str());
    }
    QVERIFY2(Recorder->WaitSteady(), "the monitor's samples never came in step with the clock");

    std::vector<Asked> StartUp;
    std::vector<Asked> Before, After;
    {
        DesktopSpeaker Speaker(QString::fromStdString(Assets.string()));
        // As the window's start-up does: the riffle asked for as soon as the speaker exists.
        StartUp.push_back({WaveFileName(Wave::Riffle), "riffle", std::chrono::steady_clock::now()});
        Speaker.PlayWave(Wave::Riffle);
        WaitUntil(StartUp.back().At + 1s);
        Before = PlayAtPace(Speaker, Hands[First], Think);
        WaitUntil(std::chrono::steady_clock::now() + 1s);
        PlayFast(Speaker, Fast, 3ms);
        WaitUntil(std::chrono::steady_clock::now() + 1s);
        After = PlayAtPace(Speaker, Hands[*Second], Think);
        WaitUntil(std::chrono::steady_clock::now() + 1s);
    }
    Recorder->Stop();
    const std::vector<int16_t> Recording = Recorder->Samples();

    const Counts AtStart = CountOnsets(*Recorder, Recording, Sounds, StartUp, 500ms);
    const Counts HandBefore = CountOnsets(*Recorder, Recording, Sounds, Before);
    const Counts HandAfter = CountOnsets(*Recorder, Recording, Sounds, After);
    qInfo("%s", Report("start-up", AtStart).c_str());
    qInfo("%s", Report("first hand", HandBefore).c_str());
    qInfo("%s", Report("after ten fast hands", HandAfter).c_str());

    QCOMPARE(AtStart.at("riffle").Heard, 1);
    for (const Counts* Hand : {&HandBefore, &HandAfter}) {
        QCOMPARE(Hand->at("deal").Asked, 39);
        QVERIFY(Hand->at("play").Asked >= 52);
        QCOMPARE(Hand->at("bell").Asked + (Hand->count("bell under a card") ? Hand->at("bell under a card").Asked : 0), 4);
        QVERIFY(Hand->count("box"));
        for (const auto& [Kind, C] : *Hand)
            if (Kind != "bell under a card")
                QVERIFY2(C.Heard == C.Asked, (Kind + ": " + std::to_string(C.Heard) + " of " +
                                          std::to_string(C.Asked) + " heard").c_str());
        // The windows follow the sounds heard, so the card sounds' own times say whether they
        // come on time.
        for (const char* Kind : {"deal", "play"})
            QVERIFY2(Median(Hand->at(Kind).LateMs) <= static_cast<double>(OnTime.count()),
                     (std::string(Kind) + ": half the sounds later than " + std::to_string(OnTime.count()) + " ms")
                         .c_str());
    }
}

} // namespace tarnwick::sound

QTEST_MAIN(tarnwick::sound::SoundTest)
#include "SoundTest.moc"
