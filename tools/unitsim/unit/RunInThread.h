#pragma once

#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <atomic>
#include <functional>
#include <future>
#include <memory>

// Qt's event queue orders a queued call after what its sender did before posting it, but
// inside QtCore, where thread checkers cannot look. Both sides also pass through this
// counter, which shows them the same order.
inline std::atomic<quint64> queuedCallFence{0};

// Runs `work` in the thread of `target` and waits until it has run. The promise is kept
// when the call ran and also when its event was dropped unrun.
inline void runInThreadOf(QObject* target, const std::function<void()>& work)
{
    if (QThread::currentThread() == target->thread()) {
        work();
        return;
    }
    struct Done
    {
        std::promise<void> promise;
        ~Done() { promise.set_value(); }
    };
    auto done = std::make_shared<Done>();
    std::future<void> finished = done->promise.get_future();
    queuedCallFence.fetch_add(1, std::memory_order_release);
    QMetaObject::invokeMethod(
        target,
        [&work, done = std::move(done)] {
            queuedCallFence.load(std::memory_order_acquire);
            work();
            queuedCallFence.fetch_add(1, std::memory_order_release);
        },
        Qt::QueuedConnection);
    finished.wait();
    queuedCallFence.load(std::memory_order_acquire);
}
