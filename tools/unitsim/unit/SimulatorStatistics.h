#pragma once

#include <QtGlobal>

#include <atomic>

// Counters of what the simulated unit did, readable from any thread (tests, the
// program's summary) while the unit runs in its own.
struct SimulatorStatistics
{
    std::atomic<quint64> dataClients{0};     // data connections accepted
    std::atomic<quint64> keepAlives{0};      // 0x2A bytes received on the data port
    std::atomic<quint64> dataFramesSent{0};  // frames handed to the data connection
    std::atomic<quint64> controlRequests{0}; // well-formed requests on the control port
    std::atomic<quint64> shotsStarted{0};
    std::atomic<quint64> shotsCompleted{0}; // judged and counted (monitor mode)
    std::atomic<quint64> unitResets{0};
    std::atomic<qint32> lastShotNumber{0};
};
