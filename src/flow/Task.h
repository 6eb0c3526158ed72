// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game runs as coroutines: a routine that pauses or waits for the human is a Task, awaited by
// its caller. A Task owns its coroutine frame, so destroying the outermost Task of a hand destroys
// every routine suspended inside it: that is how a hand is abandoned.

#include <coroutine>
#include <exception>
#include <optional>
#include <utility>

namespace tarnwick {

template <class T> class Task;

namespace detail {

struct PromiseBase {
    std::coroutine_handle<> Continuation;

    std::suspend_always initial_suspend() noexcept { return {}; }

    struct FinalAwaiter {
        bool await_ready() noexcept { return false; }
        template <class P> std::coroutine_handle<> await_suspend(std::coroutine_handle<P> Done) noexcept {
            auto Next = Done.promise().Continuation;
            return Next ? Next : std::noop_coroutine();
        }
        void await_resume() noexcept {}
    };
    FinalAwaiter final_suspend() noexcept { return {}; }
    // The game's routines cannot fail on the game's own input; anything thrown is a bug.
    void unhandled_exception() noexcept { std::terminate(); }
};

template <class T> struct Promise : PromiseBase {
    std::optional<T> Value;
    Task<T> get_return_object() noexcept;
    void return_value(T V) { Value = std::move(V); }
};

template <> struct Promise<void> : PromiseBase {
    Task<void> get_return_object() noexcept;
    void return_void() noexcept {}
};

} // namespace detail

template <class T = void> class [[nodiscard]] Task {
public:
    using promise_type = detail::Promise<T>;
    using Handle = std::coroutine_handle<promise_type>;

    Task() = default;
    explicit Task(Handle H) : Frame(H) {}
    Task(Task&& Other) noexcept : Frame(std::exchange(Other.Frame, {})) {}
    Task& operator=(Task&& Other) noexcept {
        if (this != &Other) {
            Reset();
            Frame = std::exchange(Other.Frame, {});
        }
        return *this;
    }
    Task(const Task&) = delete;
    Task& operator=(const Task&) = delete;
    ~Task() { Reset(); }

    bool Done() const { return !Frame || Frame.done(); }

    // Starts an outermost Task that nobody awaits; it runs until its first wait.
    void Start() { Frame.resume(); }

    void Reset() {
        if (Frame) std::exchange(Frame, {}).destroy();
    }

    bool await_ready() const noexcept { return false; }
    std::coroutine_handle<> await_suspend(std::coroutine_handle<> Caller) noexcept {
        Frame.promise().Continuation = Caller;
        return Frame;
    }
    T await_resume() {
        if constexpr (!std::is_void_v<T>) return std::move(*Frame.promise().Value);
    }

private:
    Handle Frame;
};

namespace detail {
template <class T> Task<T> Promise<T>::get_return_object() noexcept {
    return Task<T>(std::coroutine_handle<Promise<T>>::from_promise(*this));
}
inline Task<void> Promise<void>::get_return_object() noexcept {
    return Task<void>(std::coroutine_handle<Promise<void>>::from_promise(*this));
}
} // namespace detail

} // namespace tarnwick
