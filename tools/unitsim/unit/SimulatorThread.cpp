#include "SimulatorThread.h"

#include "RunInThread.h"
#include "UnitSimulator.h"

SimulatorThread::SimulatorThread(const SimulatorOptions& options, QObject* parent)
    : QThread(parent), m_options(options)
{
}

SimulatorThread::~SimulatorThread()
{
    stop();
}

bool SimulatorThread::startAndWait(int timeoutMs)
{
    start();
    if (!m_started.tryAcquire(1, timeoutMs)) {
        m_error = QStringLiteral("the simulator did not start within %1 ms").arg(timeoutMs);
        return false;
    }
    return m_listening;
}

void SimulatorThread::stop()
{
    quit();
    wait();
}

void SimulatorThread::call(const std::function<void(UnitSimulator&)>& work)
{
    UnitSimulator* simulator = m_simulator;
    if (!simulator || !isRunning())
        return;
    runInThreadOf(simulator, [&] { work(*simulator); });
}

void SimulatorThread::run()
{
    UnitSimulator simulator(m_options);
    const bool listening = simulator.start(&m_error);
    if (listening)
        m_simulator = &simulator;
    m_listening = listening;
    m_started.release();
    if (listening)
        exec();
    m_simulator = nullptr;
}
