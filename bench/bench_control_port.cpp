// How long the caller's thread is blocked by control-port operations against the simulated
// unit on its own thread: a full configuration read of five modules (open, system block,
// five module blocks), and one command to a unit that never answers.

#include "ControlPort.h"
#include "FirmwareInfo.h"
#include "ModuleConfigBase.h"
#include "Presets.h"
#include "SimulatorThread.h"
#include "SystemConfig.h"
#include "UnitSimulator.h"
#include "UnitState.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const QHostAddress UnitAddress(QStringLiteral("127.0.90.1"));
const QHostAddress SilentAddress(QStringLiteral("127.0.90.2"));

bool readAll(const SystemConfig& expected)
{
    ControlPort port(UnitAddress, ControlPort::DefaultPort);
    if (port.open() != 0 || port.readSystemConfig() != ControlSuccess)
        return false;
    SystemConfig config = SystemConfig::fromUnitPayload(port.packet()->systemConfigPayload());
    for (int i = 0; i < config.moduleCount(); ++i) {
        if (port.readModuleConfig(config.module(i)->moduleTypeCode()) != ControlSuccess ||
            !config.module(i)->readFromUnit(port.packet()->moduleConfigPayload()))
            return false;
    }
    return config.equals(expected);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    firmwareType = 0;

    SimulatorOptions options;
    options.address = UnitAddress;
    Presets::make(QStringLiteral("channels40"), &options.config); // five modules
    SimulatorThread unit(options);
    if (!unit.startAndWait()) {
        std::fprintf(stderr, "simulator: %s\n", qPrintable(unit.errorString()));
        return 1;
    }
    SystemConfig config;
    unit.call([&](UnitSimulator& sim) { config = sim.state().config(); });
    std::vector<double> ms;
    for (int i = 0; i < 50; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!readAll(config)) {
            std::fprintf(stderr, "read failed\n");
            return 1;
        }
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("full configuration read, %d modules: median %.2f ms, worst %.2f ms (50 runs)\n",
                config.moduleCount(), ms[ms.size() / 2], ms.back());

    options.address = SilentAddress;
    options.faults.silentControl = true;
    SimulatorThread silent(options);
    if (!silent.startAndWait())
        return 1;
    ControlPort port(SilentAddress, ControlPort::DefaultPort);
    port.open();
    QElapsedTimer timer;
    timer.start();
    const int result = port.requestAndWaitResponse(BUPacket::GetUnitInfo, {});
    std::printf("one command to a silent unit: result %d after %lld ms (stage limit 3000 ms)\n",
                result, static_cast<long long>(timer.elapsed()));
    return 0;
}
