// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's clocks in the window. Both run their timers from the Qt event loop. Nothing polls:
// while the game waits, no timer runs but the one it waits for.

#include "flow/Clock.h"
#include "flow/VirtualClock.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>

namespace tarnwick {

// A clock whose timers run from the event loop, as the window needs: it never runs a timer of its
// own accord.
class TableClock : public QObject, public Clock {
    Q_OBJECT
public:
    using QObject::QObject;
};

// Real time: a monotonic millisecond counter and precise one-shot timers.
class QtClock final : public TableClock {
    Q_OBJECT
public:
    explicit QtClock(QObject* Parent = nullptr);
    ~QtClock() override;

    uint32_t TickCount() override;
    TimerId StartTimer(int Ms, std::function<void()> Due) override;
    void CancelTimer(TimerId Id) override;

private:
    QElapsedTimer Since;
    TimerId LastId = 0;
    std::map<TimerId, std::unique_ptr<QTimer>> Timers;
};

// Virtual time on the real event loop: the game's own virtual clock, stepped one timer at a turn
// of the loop. Every pause is counted but not waited, the next due timer running as soon as the
// window has handled what is pending, so a whole game at the real window takes moments, for
// tests and demonstrations.
class QtVirtualClock final : public TableClock {
    Q_OBJECT
public:
    explicit QtVirtualClock(QObject* Parent = nullptr);

    uint32_t TickCount() override { return Time.TickCount(); }
    TimerId StartTimer(int Ms, std::function<void()> Due) override;
    void CancelTimer(TimerId Id) override { Time.CancelTimer(Id); }
    uint64_t Elapsed() const { return Time.Elapsed(); }

private:
    void RunNext();

    VirtualClock Time;
    QTimer Turn;
};

} // namespace tarnwick
