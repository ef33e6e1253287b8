#pragma once

#include "SimulatorOptions.h"

#include <QSemaphore>
#include <QString>
#include <QThread>

#include <atomic>
#include <functional>

class UnitSimulator;

// Runs a UnitSimulator in a thread of its own, for tests and tools that talk to it with
// the manager's blocking control port from their own thread.
//
//   SimulatorThread unit(options);
//   QVERIFY(unit.startAndWait());       // listening when this returns true
//   ControlPort port(address, 50000);   // ... talk to it ...
//   unit.call([](UnitSimulator& sim) { sim.state().shotNumber(); });
//   unit.stop();                        // or let the destructor do it
class SimulatorThread : public QThread
{
public:
    explicit SimulatorThread(const SimulatorOptions& options, QObject* parent = nullptr);
    ~SimulatorThread() override;

    // Starts the thread and waits until the simulator listens (true) or failed to.
    bool startAndWait(int timeoutMs = 5000);
    QString errorString() const { return m_error; }
    // Stops the simulator, closes its ports and ends the thread.
    void stop();

    // Null until started and after stopping. Only its "any thread" methods may be used
    // directly; run anything else through call().
    UnitSimulator* simulator() const { return m_simulator; }
    // Runs `work` in the simulator's thread and waits for it. Does nothing when the
    // simulator is not running.
    void call(const std::function<void(UnitSimulator&)>& work);

protected:
    void run() override;

private:
    SimulatorOptions m_options;
    QSemaphore m_started;
    QString m_error;
    std::atomic<UnitSimulator*> m_simulator{nullptr};
    std::atomic<bool> m_listening{false};
};
