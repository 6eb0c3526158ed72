// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays the game's wave files beside the executable, asynchronously, a new sound cutting off the
// one still playing. A missing file or no sound device simply stays silent.

#include "state/Sounds.h"

#include <QSoundEffect>
#include <QString>

#include <array>
#include <memory>

namespace tarnwick {

class QtSpeaker final : public Speaker {
public:
    explicit QtSpeaker(QString Folder);
    ~QtSpeaker() override;

    void PlayWave(Wave W) override;
    void Beep() override;

private:
    QSoundEffect& Effect(Wave W);

    QString Folder;
    std::array<std::unique_ptr<QSoundEffect>, 3> Effects;
};

} // namespace tarnwick
