// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's own bell, as its sound theme has it, played through libcanberra on a thread of
// its own: connecting to the sound server and starting the bell never hold up the window. Where
// the theme has no bell, or there is no sound server, it is silent.

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace tarnwick {

class DesktopBell {
public:
    // Told once, with the reason, when the bell cannot sound at all.
    using Trouble = std::function<void(const std::string& Why)>;

    explicit DesktopBell(Trouble Silenced);
    DesktopBell(const DesktopBell&) = delete;
    DesktopBell& operator=(const DesktopBell&) = delete;
    ~DesktopBell();

    // Returns at once; a ring asked for while one is being started is the same ring.
    void Ring();

private:
    void Run();

    Trouble Silenced;
    std::mutex Lock;
    std::condition_variable Asked;
    bool Wanted = false;
    bool Closing = false;
    std::thread Ringer;
};

} // namespace tarnwick
