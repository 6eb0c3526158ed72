// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/QtClock.h"

#include <algorithm>
#include <utility>

namespace tarnwick {

QtClock::QtClock(QObject* Parent) : TableClock(Parent) {
    Since.start();
}

QtClock::~QtClock() = default;

uint32_t QtClock::TickCount() {
    return static_cast<uint32_t>(Since.elapsed());
}

Clock::TimerId QtClock::StartTimer(int Ms, std::function<void()> Due) {
    const TimerId Id = ++LastId;
    auto Timer = std::make_unique<QTimer>();
    Timer->setSingleShot(true);
    // The default coarse timers may fire up to 5 % early; the game's pauses are meant exactly.
    Timer->setTimerType(Qt::PreciseTimer);
    connect(Timer.get(), &QTimer::timeout, this, [this, Id, Due = std::move(Due)] {
        auto Node = Timers.extract(Id);
        if (Node.empty()) return;
        Node.mapped().release()->deleteLater();
        Due();
    });
    Timer->start(std::max(Ms, 0));
    Timers.emplace(Id, std::move(Timer));
    return Id;
}

void QtClock::CancelTimer(TimerId Id) {
    auto Node = Timers.extract(Id);
    if (Node.empty()) return;
    Node.mapped()->stop();
    Node.mapped().release()->deleteLater();
}

QtVirtualClock::QtVirtualClock(QObject* Parent) : TableClock(Parent) {
    Turn.setSingleShot(true);
    connect(&Turn, &QTimer::timeout, this, &QtVirtualClock::RunNext);
}

Clock::TimerId QtVirtualClock::StartTimer(int Ms, std::function<void()> Due) {
    const TimerId Id = Time.StartTimer(Ms, std::move(Due));
    if (!Turn.isActive()) Turn.start(0);
    return Id;
}

void QtVirtualClock::RunNext() {
    Time.RunNext();
    if (!Time.Idle() && !Turn.isActive()) Turn.start(0);
}

} // namespace tarnwick
