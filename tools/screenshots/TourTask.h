#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMetaObject>
#include <QTimer>

#include <coroutine>
#include <exception>
#include <functional>
#include <memory>
#include <utility>

// A step of the screenshot tour written top to bottom, that gives the event loop back
// while it waits (co_await WaitUntil). A tour that waited in nested event loops of its own
// would hold the stack whenever the manager runs a loop of its own (a progress dialog's
// processing, a dialog's exec()), and the manager's code beneath could not go on until
// the tour's wait ended. Steps await each other; the outermost is started with start().
//
// Await a named WaitUntil, or a step called with plain values: GCC 12 destroys a lambda
// made inside a co_await expression twice, and a QPointer it captured with it.
class TourTask
{
public:
    struct promise_type;
    using Handle = std::coroutine_handle<promise_type>;

    struct promise_type
    {
        std::coroutine_handle<> continuation;

        TourTask get_return_object() { return TourTask(Handle::from_promise(*this)); }
        std::suspend_always initial_suspend() noexcept { return {}; }
        auto final_suspend() noexcept
        {
            // Back to the step that awaited this one, if any.
            struct Resume
            {
                bool await_ready() noexcept { return false; }
                std::coroutine_handle<> await_suspend(Handle finished) noexcept
                {
                    const std::coroutine_handle<> next = finished.promise().continuation;
                    return next ? next : std::noop_coroutine();
                }
                void await_resume() noexcept {}
            };
            return Resume{};
        }
        void return_void() {}
        void unhandled_exception() { std::terminate(); }
    };

    explicit TourTask(Handle handle) : m_handle(handle) {}
    TourTask(TourTask&& other) noexcept : m_handle(std::exchange(other.m_handle, {})) {}
    TourTask(const TourTask&) = delete;
    TourTask& operator=(const TourTask&) = delete;
    TourTask& operator=(TourTask&&) = delete;
    ~TourTask()
    {
        if (m_handle)
            m_handle.destroy();
    }

    void start() { m_handle.resume(); }
    bool done() const { return m_handle.done(); }

    bool await_ready() const noexcept { return false; }
    std::coroutine_handle<> await_suspend(std::coroutine_handle<> awaiting) noexcept
    {
        m_handle.promise().continuation = awaiting;
        return m_handle;
    }
    void await_resume() const noexcept {}

private:
    Handle m_handle;
};

// co_await WaitUntil(condition, ms): true once the condition holds, false when the time
// ran out first. The condition is asked every 50 ms from the event loop.
class WaitUntil
{
public:
    WaitUntil(std::function<bool()> condition, int timeoutMs)
        : m_condition(std::move(condition)), m_timeoutMs(timeoutMs)
    {
    }

    bool await_ready() { return m_held = m_condition(); }
    void await_suspend(std::coroutine_handle<> step)
    {
        m_deadline = QDeadlineTimer(m_timeoutMs);
        m_timer = std::make_unique<QTimer>();
        QObject::connect(m_timer.get(), &QTimer::timeout, m_timer.get(), [this, step] {
            m_held = m_condition();
            if (!m_held && !m_deadline.hasExpired())
                return;
            m_timer->stop();
            // Not from inside the timer's signal: the step goes on to destroy the timer.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [step] { step.resume(); }, Qt::QueuedConnection);
        });
        m_timer->start(50);
    }
    bool await_resume() const { return m_held; }

private:
    std::function<bool()> m_condition;
    int m_timeoutMs;
    bool m_held = false;
    QDeadlineTimer m_deadline;
    std::unique_ptr<QTimer> m_timer;
};

// co_await Pause(ms): lets layouts, the plot and polls settle before a window is taken.
class Pause : public WaitUntil
{
public:
    explicit Pause(int ms) : WaitUntil([] { return false; }, ms) {}
};
