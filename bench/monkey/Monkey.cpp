// SPDX-License-Identifier: GPL-3.0-or-later
// A monkey at the card table: random clicks over the game's windows, keys, menu choices, answers
// and window closes, sent through the X server as a player's would be, for a given time. It runs
// the game itself, starts it again whenever it ends, and stops at the first fault:
//   crash        the game died of a signal or ended with a status other than 0;
//   hang         the game's window was never mapped, or its event loop stopped answering pings;
//   unreachable  a modal question stayed covered by another of the game's windows or off the
//                screen, or did not go away when its own buttons were clicked again and again.
//
//   tarnwick-monkey --game FOLDER/tarnwick --seconds N --seed S [--log FILE] [--shot FILE]
//
// The game runs from its own folder, so its records live there; every start lays out a records
// case first (kept from the last run, a long name, a pipe, a huge balance, leftovers of a killed
// save). Exit status 0 when the time ran out with no fault, 1 at a fault, 2 when it cannot run.

#include "MonkeyX.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using monkey::Desk;
using monkey::TopWindow;

struct Options {
    std::string Game;
    double Seconds = 60;
    unsigned Seed = 1;
    std::string Log;
    std::string Shot;
};

// How long the game may take before it counts as hung; the sanitizer build is several times
// slower than the release build, so the limits are generous.
constexpr double MapSeconds = 30;
constexpr double PingSeconds = 10;
constexpr double CoveredSeconds = 3;
constexpr int AnswerAttempts = 4;

double Since(Clock::time_point Start) {
    return std::chrono::duration<double>(Clock::now() - Start).count();
}

class Monkey {
public:
    Monkey(Options O, Desk& X) : Opt(std::move(O)), X(X), Generator(Opt.Seed) {
        Folder = fs::path(Opt.Game).parent_path();
    }

    int Run();

private:
    // The game's process.
    bool StartGame();
    void StopGame();
    // 0 while it runs; otherwise what ended it, as a fault text, or "" for an ordinary end.
    bool Ended(std::string& Fault);
    void LayOutRecords();

    // The game's windows, bottom to top.
    std::vector<TopWindow> Windows() { return X.WindowsOf(Child); }
    const TopWindow* Table(const std::vector<TopWindow>& All) const;

    // What the monkey does.
    void Act();
    void ClickSomewhere(const std::vector<TopWindow>& All);
    void PressKeys(const std::vector<TopWindow>& All);
    void ChooseFromMenu(const std::vector<TopWindow>& All);
    void CloseAWindow(const std::vector<TopWindow>& All);
    void AnswerQuestion(const TopWindow& Question);
    void ClickAt(int Px, int Py, unsigned Button = 1);

    // What it watches.
    std::string Probe();

    // Waits, taking in the X server's news meanwhile.
    void Sleep(int Ms);
    void Note(const std::string& What);
    int Fault(const std::string& Kind, const std::string& Detail);
    int Pick(int Below) { return std::uniform_int_distribution<int>(0, Below - 1)(Generator); }
    bool Chance(double P) { return std::uniform_real_distribution<double>(0, 1)(Generator) < P; }

    Options Opt;
    Desk& X;
    std::mt19937 Generator;
    fs::path Folder;
    pid_t Child = 0;
    Clock::time_point ChildStart;
    std::string RecordsCase;
    std::deque<std::string> Recent;

    // The ping in flight, if any.
    unsigned long PingWindow = 0;
    long PingId = 0;
    Clock::time_point PingSent;
    double LongestPing = 0, LongestPingAt = 0;

    // A question seen covered or off the screen, since when.
    unsigned long CoveredWindow = 0;
    Clock::time_point CoveredSince;
    // Answers clicked on the question now shown, in a row, without it going away.
    unsigned long AskedWindow = 0;
    int UnansweredClicks = 0;

    long Actions = 0, Starts = 0, OrdinaryEnds = 0, Questions = 0, Answers = 0, Pings = 0;
};

void Monkey::Sleep(int Ms) {
    const Clock::time_point Until = Clock::now() + std::chrono::milliseconds(Ms);
    do {
        X.Drain();
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(Ms, 10)));
    } while (Clock::now() < Until);
}

void Monkey::Note(const std::string& What) {
    Recent.push_back(What);
    if (Recent.size() > 40) Recent.pop_front();
}

// The records the game finds at this start: mostly what the last run left, sometimes a case that
// once lost records or stopped the game from starting.
void Monkey::LayOutRecords() {
    const fs::path Money = Folder / "Money.dat", Name = Folder / "Name.dat";
    std::error_code Ignored;
    const auto Write = [](const fs::path& File, const std::string& Bytes) {
        fs::remove(File);
        std::ofstream(File, std::ios::binary) << Bytes;
    };
    switch (Pick(10)) {
    case 0:
        Write(Name, "\"" + std::string(1500, 'W') + "\",1,2,3,4\r\n");
        RecordsCase = "a name of 1500 characters";
        break;
    case 1:
        fs::remove(Money, Ignored);
        ::mkfifo(Money.c_str(), 0600);
        RecordsCase = "Money.dat is a pipe";
        break;
    case 2:
        Write(Money, "2147483600,-2147483600,99999999999,-5\r\n");
        RecordsCase = "balances at the limits";
        break;
    case 3:
        Write(Folder / "Money.dat.tmp.999999.0", "1,2");
        Write(Folder / "Name.dat.tmp.999999.1", "\"x\"");
        RecordsCase = "leftovers of a killed save";
        break;
    default:
        // A pipe is taken away again, or the next save would fail for ever.
        if (fs::is_fifo(fs::symlink_status(Money, Ignored))) fs::remove(Money, Ignored);
        RecordsCase = "as the last run left them";
        break;
    }
}

bool Monkey::StartGame() {
    LayOutRecords();
    const std::string Log = Opt.Log.empty() ? "/dev/null" : Opt.Log;
    Child = ::fork();
    if (Child < 0) return false;
    if (Child == 0) {
        const int Out = ::open(Log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (Out >= 0) {
            ::dup2(Out, 1);
            ::dup2(Out, 2);
        }
        ::setpgid(0, 0);
        ::execl(Opt.Game.c_str(), Opt.Game.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ChildStart = Clock::now();
    ++Starts;
    Note("start of the game, process " + std::to_string(Child) + ", records " + RecordsCase);
    PingWindow = 0;
    CoveredWindow = 0;
    AskedWindow = 0;
    UnansweredClicks = 0;
    return true;
}

void Monkey::StopGame() {
    if (Child <= 0) return;
    ::kill(Child, SIGTERM);
    for (int Try = 0; Try < 50; ++Try) {
        if (::waitpid(Child, nullptr, WNOHANG) == Child) {
            Child = 0;
            return;
        }
        Sleep(100);
    }
    ::kill(Child, SIGKILL);
    ::waitpid(Child, nullptr, 0);
    Child = 0;
}

bool Monkey::Ended(std::string& Fault) {
    int Status = 0;
    if (::waitpid(Child, &Status, WNOHANG) != Child) return false;
    Child = 0;
    if (WIFSIGNALED(Status))
        Fault = "the game died of signal " + std::to_string(WTERMSIG(Status)) + " (" +
                ::strsignal(WTERMSIG(Status)) + ")";
    else if (WEXITSTATUS(Status) != 0)
        Fault = "the game ended with status " + std::to_string(WEXITSTATUS(Status));
    return true;
}

// The table is the largest of the game's windows that carries the game's own name: the help
// window is named for itself, and the boxes are far smaller.
const TopWindow* Monkey::Table(const std::vector<TopWindow>& All) const {
    const TopWindow* Largest = nullptr;
    for (const TopWindow& W : All)
        if (!W.OverrideRedirect && W.Name == "Tarnwick" &&
            (!Largest || W.Width * W.Height > Largest->Width * Largest->Height))
            Largest = &W;
    return Largest && Largest->Width >= 600 ? Largest : nullptr;
}

void Monkey::ClickAt(int Px, int Py, unsigned Button) {
    X.MoveTo(Px, Py);
    X.Click(Button);
}

// Mostly where the game takes clicks (the hand, the bid numbers, the frames' buttons), else
// anywhere over one of its windows; a window manager would give a clicked window the keyboard.
void Monkey::ClickSomewhere(const std::vector<TopWindow>& All) {
    std::vector<const TopWindow*> Shown;
    for (const TopWindow& W : All)
        if (!W.OverrideRedirect || Chance(0.5)) Shown.push_back(&W);
    if (Shown.empty()) return;
    const TopWindow* Target = Shown[static_cast<size_t>(Pick(static_cast<int>(Shown.size())))];
    const TopWindow* Main = Table(All);
    if (Main && Chance(0.6)) Target = Main;
    int Cx = Target->X + Pick(std::max(1, Target->Width)), Cy = Target->Y + Pick(std::max(1, Target->Height));
    if (Target == Main && Chance(0.7)) {
        // Places of the table as fractions of its window: the hand, the bid panel, Continue, Close.
        struct Spot {
            double Left, Top, Width, Height;
        };
        static constexpr Spot Spots[] = {{0.07, 0.60, 0.80, 0.10},
                                         {0.31, 0.27, 0.24, 0.15},
                                         {0.40, 0.63, 0.11, 0.03},
                                         {0.39, 0.51, 0.11, 0.03}};
        const Spot& S = Spots[Pick(4)];
        Cx = Main->X + static_cast<int>((S.Left + S.Width * Pick(1000) / 1000.0) * Main->Width);
        Cy = Main->Y + static_cast<int>((S.Top + S.Height * Pick(1000) / 1000.0) * Main->Height);
    }
    const unsigned Button = Chance(0.9) ? 1 : 3;
    // As a window manager would: the clicked window comes to the front and takes the keyboard,
    // even when a question of the game blocks it.
    if (!Target->OverrideRedirect) {
        if (Chance(0.5)) X.Raise(Target->Id);
        X.Focus(Target->Id);
    }
    Note("click " + std::to_string(Button) + " at " + std::to_string(Cx) + "," + std::to_string(Cy) + " on " +
         Target->Describe());
    ClickAt(Cx, Cy, Button);
}

void Monkey::PressKeys(const std::vector<TopWindow>& All) {
    static const char* const Keys[] = {"F1",    "F2",    "ctrl+x", "Escape",    "Return", "space", "Tab",
                                       "alt+g", "alt+h", "alt+o",  "alt+v",     "Down",   "Up",    "Left",
                                       "Right", "a",     "n",      "BackSpace", "alt+F4", "x",     "ctrl+v"};
    // Keys go where the window system's focus is: mostly the table, as a player would have it.
    if (const TopWindow* Main = Table(All); Main && Chance(0.5)) X.Focus(Main->Id);
    const int Count = Chance(0.8) ? 1 : 1 + Pick(6);
    std::string Pressed;
    for (int I = 0; I < Count; ++I) {
        const char* Key = Keys[Pick(static_cast<int>(std::size(Keys)))];
        X.PressKey(Key);
        Pressed += std::string(I ? " " : "") + Key;
        Sleep(10);
    }
    Note("keys " + Pressed);
}

// A title of the menu bar, then one of the entries of the menu that drops down.
void Monkey::ChooseFromMenu(const std::vector<TopWindow>& All) {
    const TopWindow* Main = Table(All);
    if (!Main) return;
    static constexpr int Titles[] = {27, 73, 125, 177, 223};
    const int Title = Pick(5);
    X.Focus(Main->Id);
    ClickAt(Main->X + Titles[Title], Main->Y + 9);
    Note("menu title " + std::to_string(Title));
    Sleep(150);
    for (int Depth = 0; Depth < 2; ++Depth) {
        const std::vector<TopWindow> Now = Windows();
        const TopWindow* Menu = nullptr;
        for (const TopWindow& W : Now)
            if (W.OverrideRedirect && W.Height > 20) Menu = &W;
        if (!Menu) return;
        const int Ey = Menu->Y + 4 + Pick(std::max(1, Menu->Height - 8));
        const int Ex = Menu->X + 10 + Pick(std::max(1, Menu->Width - 20));
        Note("menu entry at " + std::to_string(Ex) + "," + std::to_string(Ey));
        ClickAt(Ex, Ey);
        Sleep(150);
    }
}

// As a window manager's close box would: WM_DELETE_WINDOW to one of the game's own windows.
void Monkey::CloseAWindow(const std::vector<TopWindow>& All) {
    std::vector<const TopWindow*> Closable;
    for (const TopWindow& W : All)
        if (!W.OverrideRedirect && W.Width > 10) Closable.push_back(&W);
    if (Closable.empty()) return;
    const TopWindow* Target = Closable[static_cast<size_t>(Pick(static_cast<int>(Closable.size())))];
    // Closing the table ends the game; it is done now and then, not as often as the others.
    if (Target == Table(All) && Chance(0.85)) {
        if (Closable.size() == 1) return;
        Target = Closable.back();
    }
    Note("close " + Target->Describe());
    X.CloseWindow(Target->Id);
}

// A button of the question: the message box's first or second, the about box's O.K, or the name
// box's keys.
void Monkey::AnswerQuestion(const TopWindow& Q) {
    if (Q.Id != AskedWindow) {
        AskedWindow = Q.Id;
        UnansweredClicks = 0;
        ++Questions;
    }
    ++Answers;
    if (Q.Width == 375) {
        // The first button mostly ends the game or starts a new one; the second lets it go on.
        const bool First = Chance(0.4);
        Note(std::string("answer ") + (First ? "first" : "second") + " button of " + Q.Describe());
        ClickAt(Q.X + (First ? 150 : 230), Q.Y + Q.Height - 20);
    } else if (Q.Width == 615 && Q.Height == 392) {
        Note("O.K of " + Q.Describe());
        ClickAt(Q.X + 295, Q.Y + 365);
    } else {
        X.Focus(Q.Id);
        const bool Typed = Chance(0.6);
        if (Typed)
            for (int I = 0, N = 1 + Pick(60); I < N; ++I)
                X.PressKey(std::string(1, static_cast<char>('a' + Pick(26))).c_str());
        X.PressKey(Chance(0.7) ? "Return" : "Escape");
        Note(std::string("keys to ") + Q.Describe() + (Typed ? " after typing" : ""));
    }
}

// The checks after every step: the game's event loop answers pings, and a question shown is on top
// of the game's other windows, on the screen, and goes away when its buttons are clicked.
std::string Monkey::Probe() {
    const std::vector<TopWindow> All = Windows();
    const TopWindow* Main = Table(All);
    if (!Main) return "";

    if (PingWindow) {
        long Reply = 0;
        Clock::time_point Came;
        while (X.PingReply(Reply, Came))
            if (Reply == PingId) {
                const double Took = std::chrono::duration<double>(Came - PingSent).count();
                if (Took > LongestPing) {
                    LongestPing = Took;
                    LongestPingAt = std::chrono::duration<double>(PingSent - ChildStart).count();
                }
                PingWindow = 0;
                ++Pings;
            }
        if (PingWindow && Since(PingSent) > PingSeconds)
            return "hang: no answer to a ping for " + std::to_string(static_cast<int>(PingSeconds)) + " s";
    }
    if (!PingWindow && Since(PingSent) > 1) {
        PingWindow = Main->Id;
        PingId = ++X.PingCount;
        PingSent = Clock::now();
        X.Ping(PingWindow, PingId);
    }

    // The topmost modal window is the question to answer; the windows above it must leave it alone.
    const TopWindow* Question = nullptr;
    size_t At = 0;
    for (size_t I = 0; I < All.size(); ++I)
        if (All[I].Modal && !All[I].OverrideRedirect) {
            Question = &All[I];
            At = I;
        }
    if (!Question) {
        CoveredWindow = 0;
        AskedWindow = 0;
        UnansweredClicks = 0;
        return "";
    }
    std::string Problem;
    for (size_t I = At + 1; I < All.size(); ++I)
        if (!All[I].OverrideRedirect && All[I].Overlaps(*Question))
            Problem = "covered by " + All[I].Describe();
    if (!X.OnScreen(*Question)) Problem = "not wholly on the screen";
    if (Problem.empty()) {
        CoveredWindow = 0;
    } else if (CoveredWindow != Question->Id) {
        CoveredWindow = Question->Id;
        CoveredSince = Clock::now();
    } else if (Since(CoveredSince) > CoveredSeconds) {
        return "unreachable: " + Question->Describe() + " " + Problem + " for " +
               std::to_string(static_cast<int>(CoveredSeconds)) + " s";
    }
    if (Question->Id == AskedWindow && UnansweredClicks >= AnswerAttempts)
        return "unreachable: " + Question->Describe() + " stayed after " + std::to_string(AnswerAttempts) +
               " answers";
    return "";
}

void Monkey::Act() {
    const std::vector<TopWindow> All = Windows();
    ++Actions;
    const TopWindow* Question = nullptr;
    for (const TopWindow& W : All)
        if (W.Modal && !W.OverrideRedirect) Question = &W;
    if (Question && Chance(0.35)) {
        const unsigned long Asked = Question->Id;
        const bool Again = Asked == AskedWindow;
        X.ForgetUnmap(Asked);
        AnswerQuestion(*Question);
        // An answered question goes at once; one that stays after its button was clicked counts.
        bool Gone = false;
        for (int Wait = 0; Wait < 40 && !Gone; ++Wait) {
            Sleep(50);
            Gone = X.WasUnmapped(Asked);
        }
        UnansweredClicks = Gone ? 0 : (Again ? UnansweredClicks : 0) + 1;
        if (Gone) AskedWindow = 0;
        return;
    }
    const int Roll = Pick(100);
    if (Roll < 50)
        ClickSomewhere(All);
    else if (Roll < 68)
        PressKeys(All);
    else if (Roll < 82)
        ChooseFromMenu(All);
    else if (Roll < 87)
        CloseAWindow(All);
    else {
        const int Ms = 100 + Pick(1400);
        Note("wait " + std::to_string(Ms) + " ms");
        Sleep(Ms);
    }
}

int Monkey::Fault(const std::string& Kind, const std::string& Detail) {
    std::printf("monkey: FAULT %s: %s\n", Kind.c_str(), Detail.c_str());
    std::printf(
        "monkey: seed %u, after %.1f s of this game, %ld actions in all, game start %ld (records: %s)\n",
        Opt.Seed, Since(ChildStart), Actions, Starts, RecordsCase.c_str());
    std::printf("monkey: the last steps, oldest first:\n");
    for (const std::string& Step : Recent)
        std::printf("  %s\n", Step.c_str());
    if (!Opt.Shot.empty() && X.Screenshot(Opt.Shot))
        std::printf("monkey: screen saved to %s\n", Opt.Shot.c_str());
    std::fflush(stdout);
    StopGame();
    return 1;
}

int Monkey::Run() {
    const Clock::time_point Start = Clock::now();
    std::printf("monkey: %s for %.0f s, seed %u\n", Opt.Game.c_str(), Opt.Seconds, Opt.Seed);
    std::fflush(stdout);
    while (Since(Start) < Opt.Seconds) {
        if (Child == 0) {
            if (!StartGame()) return Fault("start", "cannot start the game");
            bool Mapped = false;
            while (!Mapped && Since(ChildStart) < MapSeconds) {
                std::string Why;
                if (Ended(Why))
                    return Fault("crash", Why.empty() ? "the game ended before its window opened" : Why);
                Mapped = Table(Windows()) != nullptr;
                if (!Mapped) Sleep(50);
            }
            if (!Mapped)
                return Fault("hang", "the game's window was not mapped within " +
                                         std::to_string(static_cast<int>(MapSeconds)) + " s");
            PingSent = Clock::now() - std::chrono::seconds(2);
            continue;
        }
        Act();
        Sleep(20 + Pick(130));
        std::string Why;
        if (Ended(Why)) {
            if (!Why.empty()) return Fault("crash", Why);
            ++OrdinaryEnds;
            Note("the game ended by itself (Exit or its window closed)");
            continue;
        }
        const std::string Problem = Probe();
        if (!Problem.empty()) return Fault(Problem.substr(0, Problem.find(':')), Problem);
    }
    StopGame();
    std::printf(
        "monkey: no fault in %.0f s: %ld actions, %ld game starts, %ld ended by Exit or a close, "
        "%ld questions met, %ld answers clicked, %ld pings answered (slowest %.2f s, sent %.1f s after "
        "its game started)\n",
        Since(Start), Actions, Starts, OrdinaryEnds, Questions, Answers, Pings, LongestPing, LongestPingAt);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    Options Opt;
    for (int I = 1; I + 1 < argc; I += 2) {
        const std::string Key = argv[I], Value = argv[I + 1];
        if (Key == "--game")
            Opt.Game = Value;
        else if (Key == "--seconds")
            Opt.Seconds = std::atof(Value.c_str());
        else if (Key == "--seed")
            Opt.Seed = static_cast<unsigned>(std::strtoul(Value.c_str(), nullptr, 10));
        else if (Key == "--log")
            Opt.Log = Value;
        else if (Key == "--shot")
            Opt.Shot = Value;
    }
    if (Opt.Game.empty()) {
        std::fprintf(stderr, "usage: %s --game PATH --seconds N --seed S [--log FILE] [--shot FILE]\n",
                     argv[0]);
        return 2;
    }
    Desk X;
    if (!X.Open()) {
        std::fprintf(stderr, "monkey: no X display (DISPLAY=%s)\n",
                     std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
        return 2;
    }
    std::signal(SIGPIPE, SIG_IGN);
    return Monkey(Opt, X).Run();
}
