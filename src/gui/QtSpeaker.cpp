// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/QtSpeaker.h"

#include <QApplication>
#include <QDir>
#include <QUrl>

namespace tarnwick {

QtSpeaker::QtSpeaker(QString Folder) : Folder(std::move(Folder)) {}

// The effects go first, before anything they might still signal to.
QtSpeaker::~QtSpeaker() {
    for (auto& E : Effects)
        E.reset();
}

QSoundEffect& QtSpeaker::Effect(Wave W) {
    auto& Slot = Effects.at(static_cast<size_t>(W));
    if (!Slot) {
        // Made on first use, so the window opens without waiting for the sound system.
        Slot = std::make_unique<QSoundEffect>();
        Slot->setSource(QUrl::fromLocalFile(QDir(Folder).filePath(QString::fromLatin1(WaveFileName(W)))));
    }
    return *Slot;
}

void QtSpeaker::PlayWave(Wave W) {
    for (auto& Other : Effects)
        if (Other && Other.get() != &Effect(W)) Other->stop();
    QSoundEffect& E = Effect(W);
    E.stop();
    E.play();
}

void QtSpeaker::Beep() {
    QApplication::beep();
}

} // namespace tarnwick
