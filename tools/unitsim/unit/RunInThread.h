#pragma once

#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <functional>
#include <future>
#include <memory>

// Runs `work` in the thread of `target` and waits until it has run. The hand-back is a
// std::future rather than a blocking queued call, so thread checkers see the ordering;
// the promise is kept when the call ran and also when its event was dropped unrun.
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
    QMetaObject::invokeMethod(
        target, [&work, done = std::move(done)] { work(); }, Qt::QueuedConnection);
    finished.wait();
}
