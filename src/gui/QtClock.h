#pragma once
// The game's clock in the window: a monotonic millisecond counter and precise one-shot timers on
// the event loop. Nothing polls: while the game waits, no timer runs but the one it waits for.

#include "state/Clock.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>

namespace tarnwick {

class QtClock final : public QObject, public Clock {
    Q_OBJECT
public:
    explicit QtClock(QObject* Parent = nullptr);
    ~QtClock() override;

    uint32_t TickCount() override;
    TimerId StartTimer(int Ms, std::function<void()> Due) override;
    void CancelTimer(TimerId Id) override;

    // Runs after every timer that fired, so the window can show what the step changed.
    void SetAfterEachStep(std::function<void()> Hook) { AfterEachStep = std::move(Hook); }

private:
    QElapsedTimer Since;
    TimerId LastId = 0;
    std::map<TimerId, std::unique_ptr<QTimer>> Timers;
    std::function<void()> AfterEachStep;
};

} // namespace tarnwick
