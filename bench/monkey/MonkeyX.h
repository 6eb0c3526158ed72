// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The monkey's hands and eyes on the X server: the game's top-level windows in their stacking
// order, pointer and key events through the XTEST extension, the keyboard focus and close requests
// a window manager would give, and pings that only a live event loop answers.

#include <chrono>
#include <set>
#include <string>
#include <utility>
#include <vector>

struct _XDisplay;

namespace monkey {

struct TopWindow {
    unsigned long Id = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    bool OverrideRedirect = false;
    bool Modal = false;
    std::string Name;

    bool Overlaps(const TopWindow& Other) const;
    std::string Describe() const;
};

class Desk {
public:
    Desk() = default;
    Desk(const Desk&) = delete;
    Desk& operator=(const Desk&) = delete;
    ~Desk();

    bool Open();

    // The mapped top-level windows of the process, with every pop-up menu on the display, bottom
    // to top.
    std::vector<TopWindow> WindowsOf(int Process);
    bool OnScreen(const TopWindow& W) const;

    void MoveTo(int X, int Y);
    void Click(unsigned Button);
    // A key by its X name, with "ctrl+", "alt+" or "shift+" before it as wanted.
    void PressKey(const std::string& Chord);
    void Focus(unsigned long Window);
    void Raise(unsigned long Window);
    void CloseWindow(unsigned long Window);

    void Ping(unsigned long Window, long Id);
    // The next ping answered since the last call, if any, and when its answer came in.
    bool PingReply(long& Id, std::chrono::steady_clock::time_point& At);
    // Takes in what the X server has sent, so answers are timed when they come, not when asked for.
    void Drain();
    // True once the window has been unmapped since it was last asked about.
    bool WasUnmapped(unsigned long Window);
    void ForgetUnmap(unsigned long Window);

    // The whole screen as a binary PPM picture.
    bool Screenshot(const std::string& File);

    long PingCount = 0;

private:
    void SendProtocol(unsigned long Window, const char* Protocol, long Second, long Third);
    unsigned long Intern(const char* Name);

    _XDisplay* Conn = nullptr;
    unsigned long Root = 0;
    std::vector<std::pair<long, std::chrono::steady_clock::time_point>> Pongs;
    std::set<unsigned long> Unmapped;
};

} // namespace monkey
