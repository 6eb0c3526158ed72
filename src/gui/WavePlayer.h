// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's three wave files on one channel of SDL_mixer: each is read once, and a play starts
// at once, cutting off whatever still sounds. The sound device is opened on a thread of its own,
// so the window never waits for the sound server; a wave asked for before it is open starts as
// soon as it is. Without a server or a device everything stays silent.

#include "flow/Sounds.h"

#include <array>
#include <atomic>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

struct Mix_Chunk;

namespace tarnwick {

class WavePlayer {
public:
    // Told once, with the reason, when no sound can be played at all.
    using Trouble = std::function<void(const std::string& Why)>;

    WavePlayer(std::filesystem::path Folder, Trouble Silenced);
    WavePlayer(const WavePlayer&) = delete;
    WavePlayer& operator=(const WavePlayer&) = delete;
    ~WavePlayer();

    void Play(Wave W);

private:
    void Open();
    void Start(Wave W);

    std::filesystem::path Folder;
    Trouble Silenced;
    std::array<Mix_Chunk*, 3> Chunks{};
    std::mutex Opening;
    std::atomic<bool> Ready{false};
    bool Failed = false;
    std::optional<Wave> Waiting;
    std::thread Opener;
};

} // namespace tarnwick
