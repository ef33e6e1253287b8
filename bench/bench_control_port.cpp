// How long the caller's thread is blocked by control-port operations against a local
// peer: a full configuration read of five modules (open, system block, five module
// blocks), and one command to a unit that never answers.

#include "ConfigPeer.h"
#include "ControlPort.h"
#include "FirmwareInfo.h"
#include "LoopbackPeer.h"
#include "SystemConfig.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const QHostAddress PeerAddress(QStringLiteral("127.0.90.1"));
const QHostAddress SilentAddress(QStringLiteral("127.0.90.2"));

SystemConfig fiveModules()
{
    SystemConfig config;
    for (quint32 code : {0x01000001u, 0x02000002u, 0x03000003u, 0x11000004u, 0x11000005u})
        config.addModule(code);
    return config;
}

bool readAll(const SystemConfig& expected)
{
    ControlPort port(PeerAddress, ControlPort::DefaultPort);
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

    const SystemConfig config = fiveModules();
    ConfigPeer peer(config);
    LoopbackPeer unit(PeerAddress, ControlPort::DefaultPort,
                      [&](const QByteArray& r) { return peer.answer(r); });
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
    std::printf("full configuration read, 5 modules: median %.2f ms, worst %.2f ms (50 runs)\n",
                ms[ms.size() / 2], ms.back());

    LoopbackPeer silent(SilentAddress, ControlPort::DefaultPort,
                        [](const QByteArray&) { return QList<QByteArray>{}; });
    ControlPort port(SilentAddress, ControlPort::DefaultPort);
    port.open();
    QElapsedTimer timer;
    timer.start();
    const int result = port.requestAndWaitResponse(BUPacket::GetUnitInfo, {});
    std::printf("one command to a silent unit: result %d after %lld ms (stage limit 3000 ms)\n",
                result, static_cast<long long>(timer.elapsed()));
    return 0;
}
