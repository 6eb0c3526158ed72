#pragma once
// The game's clocks in the window. Both run their timers from the Qt event loop and tell the
// window after every step, so it can show what the step changed. Nothing polls: while the game
// waits, no timer runs but the one it waits for.

#include "state/Clock.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <utility>

namespace tarnwick {

class TableClock : public QObject, public Clock {
    Q_OBJECT
public:
    using QObject::QObject;
    void SetAfterEachStep(std::function<void()> Hook) { AfterEachStep = std::move(Hook); }

protected:
    void StepDone() {
        if (AfterEachStep) AfterEachStep();
    }

private:
    std::function<void()> AfterEachStep;
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

// Virtual time on the real event loop: every pause is counted but not waited, the next due
// timer running as soon as the window has handled what is pending. A whole game at the real
// window then takes moments, for tests and demonstrations.
class QtVirtualClock final : public TableClock {
    Q_OBJECT
public:
    explicit QtVirtualClock(QObject* Parent = nullptr);

    uint32_t TickCount() override { return static_cast<uint32_t>(Now); }
    TimerId StartTimer(int Ms, std::function<void()> Due) override;
    void CancelTimer(TimerId Id) override;
    uint64_t Elapsed() const { return Now; }

private:
    void RunNext();

    uint64_t Now = 0;
    TimerId LastId = 0;
    std::map<std::pair<uint64_t, TimerId>, std::function<void()>> Timers;
    QTimer Turn;
};

} // namespace tarnwick
