// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/Signature.h"

#include "sim/Driver.h"

#include <array>
#include <bit>
#include <system_error>

namespace tarnwick::sim {

namespace {

// Seeds and game counts picked so that between them the games take in every target, bag
// penalties, a draw with its extra hand, a draw without one and a game nobody wins. Nobody bids
// nil here: the computer's rules never do, and south bids by them; the scoring tests pin nil.
struct SignatureRun {
    int16_t Target;
    uint64_t Seed;
    uint64_t Games;
};
constexpr std::array<SignatureRun, 3> SignatureRuns{{{300, 3, 6}, {200, 4, 6}, {100, 8, 6}}};

void AddRect(Fingerprint& F, const Rect& R) {
    F.Add(R.Left);
    F.Add(R.Top);
    F.Add(R.Width);
    F.Add(R.Height);
}

void AddColour(Fingerprint& F, Rgb C) {
    F.Add(static_cast<uint64_t>(C.R) << 16 | static_cast<uint64_t>(C.G) << 8 | C.B);
}

void AddLabel(Fingerprint& F, const LabelBox& L) {
    F.Add(L.Name);
    F.Add(static_cast<uint64_t>(L.Kind));
    F.Add(static_cast<uint64_t>(L.In));
    AddRect(F, L.Place);
    F.Add(L.Caption);
    F.Add(L.ToolTip);
    AddColour(F, L.Back);
    AddColour(F, L.Fore);
    F.Add(L.Visible);
    F.Add(L.Centred);
    F.Add(L.GrowsToFit);
    F.Add(L.Click.has_value());
}

void AddFrame(Fingerprint& F, const FrameBox& Box) {
    F.Add(Box.Name);
    AddRect(F, Box.Place);
    F.Add(Box.Caption);
    AddColour(F, Box.Back);
    AddColour(F, Box.Fore);
    F.Add(Box.Visible);
    F.Add(Box.ToolTip);
    F.Add(Box.RuleTop);
    F.Add(static_cast<uint64_t>(Box.Raised));
}

void AddPile(Fingerprint& F, const TrickPile& Pile) {
    for (const ImageBox& Image : Pile) {
        AddRect(F, Image.Place);
        F.Add(Image.Visible);
    }
}

// Folds the changes of the table and the sounds of a run into one fingerprint, each with the
// virtual time it happened at; a step that changes nothing the player sees adds nothing.
class SignatureWatcher final : public TableWatcher {
public:
    void Stepped(const Game& G, uint64_t AtMs) override {
        const uint64_t Now = DigestOf(G.View);
        if (Now == Shown) return;
        Shown = Now;
        ++Changes;
        All.Add(AtMs);
        All.Add(Now);
    }
    void Heard(std::string_view Sound, uint64_t AtMs) override {
        ++Sounds;
        All.Add(AtMs);
        All.Add(Sound);
    }

    Fingerprint All;
    uint64_t Shown = 0, Changes = 0, Sounds = 0;
};

class DrawAndWinnerCount final : public SimListener {
public:
    void GameOver(const GameState&, const BySeat<int16_t>&, int Winner) override { NoWinner += Winner < 0; }
    uint64_t NoWinner = 0;
};

} // namespace

void Fingerprint::Add(std::string_view Bytes) {
    Add(static_cast<uint64_t>(Bytes.size()));
    for (const char C : Bytes) {
        Hash ^= static_cast<unsigned char>(C);
        Hash *= 1099511628211ull;
    }
}

void Fingerprint::Add(uint64_t Number) {
    for (int Byte = 0; Byte < 8; ++Byte) {
        Hash ^= (Number >> (8 * Byte)) & 0xFF;
        Hash *= 1099511628211ull;
    }
}

// Places are whole twips or halves of them; the bits of the double are the same everywhere.
void Fingerprint::Add(double Twips) {
    Add(std::bit_cast<uint64_t>(Twips));
}

uint64_t DigestOf(const DisplayModel& V) {
    Fingerprint F;
    F.Add(V.WindowCaption);
    AddRect(F, V.Shape1);
    F.Add(V.Shape1Visible);
    for (size_t No = 1; No < V.Cds.size(); ++No) {
        const CardBox& Card = V.Cds[No];
        F.Add(Card.Left);
        F.Add(Card.Top);
        F.Add(static_cast<uint64_t>(Card.Picture));
        F.Add(Card.Visible);
        F.Add(static_cast<uint64_t>(Card.ZOrder));
    }
    F.Add(V.CardBoxesCreated);
    for (const LabelBox* L : V.AllLabels())
        AddLabel(F, *L);
    for (const TrickPile* Pile : {&V.ImgBackP, &V.ImgBackWest, &V.ImgBackNorth, &V.ImgBackEast})
        AddPile(F, *Pile);
    for (const FrameBox* Box : {&V.FramScores, &V.FramBids, &V.FramResults, &V.FramMoney})
        AddFrame(F, *Box);
    F.Add(V.StatusPanel1);
    F.Add(V.StatusPanel2);
    F.Add(V.MnuGameEnabled);
    F.Add(V.MnuOptionsEnabled);
    F.Add(V.MnuHelpEnabled);
    F.Add(V.MessageBox.Visible);
    F.Add(V.MessageBox.Title);
    F.Add(V.MessageBox.Prompt);
    for (const std::string& Caption : V.MessageBox.Captions)
        F.Add(Caption);
    F.Add(static_cast<uint64_t>(V.MessageBox.PictureNo));
    F.Add(V.NameInput.Visible);
    F.Add(V.NameInput.Prompt);
    F.Add(V.NameInput.Title);
    F.Add(V.NameInput.Proposed);
    F.Add(V.Quit);
    return F.Value();
}

SignatureResult PlaySignature(const std::filesystem::path& Folder) {
    SignatureResult Result;
    SignatureWatcher Watcher;
    for (const SignatureRun& Run : SignatureRuns) {
        // Every run starts from no records at all, so the number never depends on an earlier run.
        const std::filesystem::path Records = Folder / ("target-" + std::to_string(Run.Target));
        std::error_code Ignored;
        std::filesystem::remove_all(Records, Ignored);
        std::filesystem::create_directories(Records, Ignored);

        Driver Table(Run.Seed, Records, Run.Target, &Watcher);
        DrawAndWinnerCount Ends;
        Table.Listen(Ends);
        for (uint64_t Game = 0; Game < Run.Games; ++Game) {
            if (!Table.PlayGame()) {
                Result.Problem = Table.Problem();
                return Result;
            }
        }
        Result.Games += Run.Games;
        Result.Draws += Table.DrawsAnnounced();
        Result.NoWinner += Ends.NoWinner;
        Watcher.All.Add(Table.VirtualMs());
    }
    Result.Value = Watcher.All.Value();
    Result.Steps = Watcher.Changes;
    Result.Sounds = Watcher.Sounds;
    return Result;
}

} // namespace tarnwick::sim
