// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/WavePlayer.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace tarnwick {

namespace {

constexpr int Rate = 48000;
// 512 frames are 10.7 ms at 48 kHz: a card's click starts within about that of its request, and a
// busy machine may hold the sound thread up as long without a gap in the sound (at 256, clicks broke
// up on a loaded two-core machine). The 25 ms between two dealt cards still hold two buffers.
constexpr int BufferFrames = 512;
// One channel: a new wave ends the one still playing.
constexpr int TheChannel = 0;

size_t Slot(Wave W) { return static_cast<size_t>(W); }

} // namespace

WavePlayer::WavePlayer(std::filesystem::path Folder, Trouble Silenced)
    : Folder(std::move(Folder)), Silenced(std::move(Silenced)), Opener([this] { Open(); }) {}

WavePlayer::~WavePlayer() {
    Opener.join();
    if (!Ready) return;
    Mix_HaltChannel(-1);
    for (Mix_Chunk*& Chunk : Chunks) {
        if (Chunk) Mix_FreeChunk(Chunk);
        Chunk = nullptr;
    }
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void WavePlayer::Open() {
    // The window owns the process's signals, and the sound server sees the game by its name.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_APP_NAME, "Tarnwick");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Card sounds");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_ROLE, "game");
    std::string Why;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        Why = SDL_GetError();
    } else if (Mix_OpenAudioDevice(Rate, AUDIO_S16SYS, 2, BufferFrames, nullptr, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE) != 0) {
        Why = Mix_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    } else {
        Mix_AllocateChannels(1);
        std::string Unread;
        for (const Wave W : {Wave::Riffle, Wave::CardDeal, Wave::RingOut}) {
            Chunks[Slot(W)] = Mix_LoadWAV((Folder / WaveFileName(W)).c_str());
            if (!Chunks[Slot(W)] && Unread.empty()) Unread = Mix_GetError();
        }
        if (!Unread.empty()) Silenced(Unread);
    }
    std::lock_guard Lock(Opening);
    if (!Why.empty()) {
        Failed = true;
        Waiting.reset();
        Silenced(Why);
        return;
    }
    // A wave asked for while the device opened starts now, before any asked for later.
    if (Waiting) Start(*Waiting);
    Waiting.reset();
    Ready = true;
}

void WavePlayer::Play(Wave W) {
    if (Ready.load(std::memory_order_acquire)) {
        Start(W);
        return;
    }
    std::lock_guard Lock(Opening);
    if (Ready)
        Start(W);
    else if (!Failed)
        Waiting = W;
}

void WavePlayer::Start(Wave W) {
    if (Mix_Chunk* Chunk = Chunks[Slot(W)])
        Mix_PlayChannel(TheChannel, Chunk, 0);
    else
        Mix_HaltChannel(TheChannel);
}

} // namespace tarnwick
