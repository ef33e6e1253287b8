#pragma once

#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <atomic>
#include <functional>
#include <future>

// Qt's event queue orders a queued call after what its sender did before posting it, but
// inside QtCore, where thread checkers cannot look. Both sides also pass through this
// counter, which shows them the same order.
inline std::atomic<quint64> queuedCallFence{0};

// One call waiting for the target's thread. Everything it carries is built before the
// fence; Qt carries only the pointer.
class QueuedCall : public QObject
{
    Q_OBJECT

public:
    explicit QueuedCall(const std::function<void()>& work) : m_work(work) {}
    std::future<void> finished() { return m_done.get_future(); }

    Q_INVOKABLE void run()
    {
        queuedCallFence.load(std::memory_order_acquire);
        m_work();
        queuedCallFence.fetch_add(1, std::memory_order_release);
        m_done.set_value();
        delete this;
    }

private:
    std::function<void()> m_work;
    std::promise<void> m_done;
};

// Runs `work` in the thread of `target`, whose event loop must be running, and waits
// until it has run.
inline void runInThreadOf(QObject* target, const std::function<void()>& work)
{
    if (QThread::currentThread() == target->thread()) {
        work();
        return;
    }
    auto* call = new QueuedCall(work);
    std::future<void> finished = call->finished();
    call->moveToThread(target->thread());
    queuedCallFence.fetch_add(1, std::memory_order_release);
    QMetaObject::invokeMethod(call, "run", Qt::QueuedConnection);
    finished.wait();
    queuedCallFence.load(std::memory_order_acquire);
}
