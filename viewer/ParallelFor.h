#pragma once

#include <QThread>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

// Runs body(i) for i = 0 .. count - 1 on every core; each index runs once, in no
// particular order. The channels of a data set are independent of each other.
template <typename Body> void parallelFor(qsizetype count, Body body)
{
    std::atomic<qsizetype> next = 0;
    const auto work = [&] {
        for (qsizetype i = next++; i < count; i = next++)
            body(i);
    };
    const qsizetype workers =
        std::clamp<qsizetype>(QThread::idealThreadCount(), 1, std::max<qsizetype>(count, 1));
    std::vector<std::thread> pool;
    for (qsizetype w = 1; w < workers; ++w)
        pool.emplace_back(work);
    work();
    for (std::thread& t : pool)
        t.join();
}
