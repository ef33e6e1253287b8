// cvo-unitsim: a measuring unit on the network for development and demonstration
// without hardware. Runs until SIGINT/SIGTERM or until the requested number of shots.

#include "PeripheralCommandLine.h"
#include "SimulatorCommandLine.h"
#include "SimulatorOptions.h"
#include "UnitSimulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTimer>

#include <csignal>
#include <cstdio>

namespace {

volatile std::sig_atomic_t quitRequested = 0;

extern "C" void requestQuit(int)
{
    quitRequested = 1;
}

// Signals only set a flag; the event loop looks at it, so shutdown runs as normal code.
void quitOnSignals(QCoreApplication& app)
{
    std::signal(SIGINT, requestQuit);
    std::signal(SIGTERM, requestQuit);
    auto* poll = new QTimer(&app);
    QObject::connect(poll, &QTimer::timeout, &app, [&app] {
        if (quitRequested)
            app.quit();
    });
    poll->start(100);
}

// Time for the last frames of the final shot to leave before the ports close.
constexpr int FinalFlushMs = 200;

void printSummary(const UnitSimulator& unit)
{
    const SimulatorStatistics& s = unit.statistics();
    std::fprintf(stderr,
                 "cvo-unitsim: %llu shots, %llu data connections, %llu keep-alives, "
                 "%llu control requests, %llu resets\n",
                 static_cast<unsigned long long>(s.shotsCompleted.load()),
                 static_cast<unsigned long long>(s.dataClients.load()),
                 static_cast<unsigned long long>(s.keepAlives.load()),
                 static_cast<unsigned long long>(s.controlRequests.load()),
                 static_cast<unsigned long long>(s.unitResets.load()));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("cvo-unitsim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simulated measuring unit: control port, data port with shots, faults."));
    parser.addHelpOption();
    SimulatorCommandLine unitOptions;
    unitOptions.addTo(parser);
    PeripheralCommandLine peripherals;
    peripherals.addTo(parser);
    parser.process(app);

    SimulatorOptions options;
    QString error;
    if (!unitOptions.read(parser, &options, &error) ||
        !peripherals.read(parser, options.address, options.logFrames, &error)) {
        std::fprintf(stderr, "cvo-unitsim: %s\n", qPrintable(error));
        return 2;
    }

    // Before the ports listen: a client that sees them may stop the program at once.
    quitOnSignals(app);
    UnitSimulator unit(options);
    if (!unit.start(&error) || !peripherals.start(unit, &error)) {
        std::fprintf(stderr, "cvo-unitsim: %s\n", qPrintable(error));
        return 1;
    }
    QObject::connect(&unit, &UnitSimulator::shotLimitReached, &app,
                     [&app] { QTimer::singleShot(FinalFlushMs, &app, &QCoreApplication::quit); });

    const int result = app.exec();
    peripherals.stop();
    unit.stop();
    printSummary(unit);
    return result;
}
