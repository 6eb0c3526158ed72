// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/DesktopSpeaker.h"

#include <QFile>

#include <alsa/asoundlib.h>

#include <cstdio>

namespace tarnwick {

namespace {

// Where no sound card or server answers, ALSA would print a dozen lines of its configuration's
// failures; the speaker says what matters in one.
void Unheard(const char* /*File*/, int /*Line*/, const char* /*Function*/, int /*Error*/, const char* /*Format*/, ...) {}

} // namespace

DesktopSpeaker::QuietAlsa::QuietAlsa() { snd_lib_error_set_handler(Unheard); }

DesktopSpeaker::DesktopSpeaker(const QString& Folder)
    : Waves(QFile::encodeName(Folder).toStdString(), [this](const std::string& Why) { Tell(Why); }),
      Bell([this](const std::string& Why) { Tell(Why); }) {}

void DesktopSpeaker::PlayWave(Wave W) { Waves.Play(W); }

void DesktopSpeaker::Beep() { Bell.Ring(); }

// One line for the whole run, whichever part of the sound finds trouble first.
void DesktopSpeaker::Tell(const std::string& Why) {
    if (!Told.exchange(true)) std::fprintf(stderr, "tarnwick: playing without sound: %s\n", Why.c_str());
}

} // namespace tarnwick
