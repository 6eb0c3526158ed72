// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's speaker: the game's wave files beside the executable, asynchronously, a new one
// cutting off the one still playing, and the desktop's own bell after every bid. The window never
// waits for either; with no sound server or no device the game goes on silent, and says so once.

#include "gui/DesktopBell.h"
#include "gui/WavePlayer.h"
#include "flow/Sounds.h"

#include <QString>

#include <atomic>
#include <string>

namespace tarnwick {

class DesktopSpeaker final : public Speaker {
public:
    explicit DesktopSpeaker(const QString& Folder);

    void PlayWave(Wave W) override;
    void Beep() override;

private:
    void Tell(const std::string& Why);

    // Set up before either part opens a device: ALSA's own complaints stay off the terminal.
    struct QuietAlsa {
        QuietAlsa();
    };

    std::atomic<bool> Told{false};
    QuietAlsa Quiet;
    WavePlayer Waves;
    DesktopBell Bell;
};

} // namespace tarnwick
