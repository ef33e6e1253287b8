// The simulated unit's control port, driven by the manager's own ControlPort from the
// test thread while the unit runs on its own thread.

#include "ControlPort.h"
#include "FirmwareQuery.h"
#include "KRT24ModuleConfig.h"
#include "Presets.h"
#include "SimulatorTestSupport.h"
#include "TestMain.h"
#include "ZRBModuleConfig.h"
#include "ZRCModuleConfig.h"

using namespace SimTest;

Q_DECLARE_METATYPE(FirmwareIdentity)

namespace {

constexpr quint16 Control = ControlPort::DefaultPort;

// A configuration as an operator would edit it: every kind of setting changed, each to
// values of its own so that a field read or written in the wrong place shows.
void editConfiguration(SystemConfig& config)
{
    config.setPeriod(3);
    config.setSamplingInterval(10);
    config.setAlarmClearDelay(25);
    config.setStartDelay(7);
    config.setFlags(SystemConfig::AlarmEnabled | SystemConfig::ConditionAnd);
    config.setName(QStringLiteral("EDITED"));
    for (int m = 0; m < config.moduleCount(); ++m)
        config.module(m)->setTitle(QStringLiteral("Module title %1").arg(m));
    for (int c = 0; c < config.channelCount(); ++c) {
        ChannelConfig* channel = config.channelAt(c);
        channel->setTitle(QStringLiteral("cavity %1").arg(c));
        channel->setZone1({quint16(50 + c), 90, 120, 300, true, c % 2 == 0});
        channel->setPoint({quint16(200 + c), 10, 900, c % 3 == 0});
        channel->setEject({20, 60, 5, 700, true, false});
        channel->setSlope({10, 30, -2000, 4000, true});
        channel->setWaveformEnabled(c == 1);
    }
    if (auto* krt = dynamic_cast<KRT24ModuleConfig*>(config.module(0))) {
        krt->setSensor(2, {1, 5, 'B', 1234, 2.5f, 3.0f, 4.0f});
        krt->setPseudoResister(true);
    }
    if (auto* zrc = dynamic_cast<ZRCModuleConfig*>(config.module(1)))
        zrc->setSensorCode(3, 0x4142);
    if (auto* zrb = dynamic_cast<ZRBModuleConfig*>(config.module(2))) {
        zrb->setZrbFlags(0x41);
        zrb->setAlertUpper(90);
    }
    config.module(3)->setEnabled(false);
}

// What a unit with the legacy channel record keeps of a channel: no eject limits, no slope.
void dropLegacyFields(SystemConfig& config)
{
    for (int i = 0; i < config.channelCount(); ++i) {
        ChannelConfig* channel = config.channelAt(i);
        const Zone eject = channel->eject();
        channel->setEject({eject.start, eject.end, 0, 0, false, false});
        channel->setSlope({0, 0, 0, 0, false});
    }
}

bool readWholeConfiguration(ControlPort& port, SystemConfig* config)
{
    if (port.readSystemConfig() != ControlSuccess)
        return false;
    *config = SystemConfig::fromUnitPayload(port.packet()->systemConfigPayload());
    for (int m = 0; m < config->moduleCount(); ++m) {
        ModuleConfigBase* module = config->module(m);
        if (port.readModuleConfig(module->moduleTypeCode()) != ControlSuccess ||
            !module->readFromUnit(port.packet()->moduleConfigPayload()))
            return false;
    }
    return true;
}

// Writes a raw request and collects at least `replyBytes` of the answer.
QByteArray exchange(QTcpSocket& socket, const QByteArray& request, int replyBytes)
{
    socket.write(request);
    QByteArray reply;
    for (int tries = 0; reply.size() < replyBytes && tries < 50; ++tries) {
        socket.waitForReadyRead(100);
        reply += socket.readAll();
    }
    return reply;
}

QList<quint16> sequence(int count, quint16 first)
{
    QList<quint16> values;
    for (int i = 0; i < count; ++i)
        values << quint16(first + i);
    return values;
}

} // namespace

class TestUnitsimControl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The ways a unit may answer: every firmware identity and both channel layouts.
    void servesEveryRequestAndKeepsWhatItIsWritten_data()
    {
        QTest::addColumn<FirmwareIdentity>("firmware");
        QTest::addColumn<int>("row"); // the row's own address
        QTest::newRow("standard") << FirmwareIdentity::standard() << 0;
        QTest::newRow("company A") << FirmwareIdentity::companyA() << 1;
        QTest::newRow("company C") << FirmwareIdentity::fromVersionWord(0x0B002B96) << 2;
        QTest::newRow("legacy") << FirmwareIdentity::legacy() << 3;
    }
    void servesEveryRequestAndKeepsWhatItIsWritten()
    {
        QFETCH(FirmwareIdentity, firmware);
        QFETCH(int, row);
        const QHostAddress at = address(1 + row);
        FirmwareTypeGuard guard(firmware.managerFirmwareType());
        SimulatorOptions options = fastUnit(at, firmware);
        QVERIFY(Presets::make(QStringLiteral("mixed"), &options.config));
        options.config.setPeriod(1);
        SimulatorThread unit(options);
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        QCOMPARE(readFirmwareType(at, Control), firmware.managerFirmwareType());

        ControlPort port(at, Control);
        QCOMPARE(port.open(), 0);
        const int info = port.readUnitInfo();
        if (firmware.answersUnitInfo()) {
            QCOMPARE(info, int(ControlSuccess));
            QCOMPARE(port.packet()->unitInfo().entries[0].versionWord, firmware.versionWord());
        } else {
            QCOMPARE(port.packet()->type(), int(BUPacket::Nak));
        }
        SystemConfig edited;
        QVERIFY(readWholeConfiguration(port, &edited));
        // What it is written it reads back, as far as its channel record holds it, and
        // streams with from then on.
        editConfiguration(edited);
        QCOMPARE(port.writeSystemConfig(edited), 0);
        for (int m = 0; m < edited.moduleCount(); ++m)
            QCOMPARE(port.writeModuleConfig(*edited.module(m)), 0);
        SystemConfig readBack;
        QVERIFY(readWholeConfiguration(port, &readBack));
        if (firmware.usesLegacyLayout())
            dropLegacyFields(edited);
        QVERIFY(readBack.equals(edited));
        for (int m = 0; m < edited.moduleCount(); ++m) {
            QVERIFY(readBack.module(m)->equalsWithSpecific(*edited.module(m)));
            QCOMPARE(readBack.module(m)->enabled(), edited.module(m)->enabled());
        }
        // What it cannot take it refuses and keeps what it has: an interval it does not
        // sample at, a module it lacks, and (legacy) the longer current channel records.
        SystemConfig refused = edited;
        refused.setSamplingInterval(7);
        QCOMPARE(port.writeSystemConfig(refused), int(ControlUnexpectedType));
        refused.module(1)->setIdentifier(0x01009999);
        QCOMPARE(port.writeModuleConfig(*refused.module(1)), int(ControlUnexpectedType));
        if (firmware.usesLegacyLayout()) {
            FirmwareTypeGuard current(0);
            ControlPort unaware(at, Control);
            QCOMPARE(unaware.open(), 0);
            QCOMPARE(unaware.writeModuleConfig(*refused.module(0)), int(ControlUnexpectedType));
        }
        QVERIFY(unitConfig(unit).equals(edited));
        QCOMPARE(unitConfig(unit).samplingInterval(), quint8(10));

        // Monitoring references go to the group and channel they are sent for.
        QCOMPARE(port.sendMonitoringRanges(1, sequence(16, 10)), 0);
        QCOMPARE(port.sendMonitoringWaveform(1, 2, 0, sequence(400, 1000)), 0);
        QCOMPARE(port.sendMonitoringWaveform(1, 2, 200, sequence(10, 3000)), 0);
        ReferenceEnvelope envelope;
        unit.call([&](UnitSimulator& sim) {
            if (const ReferenceEnvelope* held = sim.state().references().envelope(1))
                envelope = *held;
        });
        QCOMPARE(QList<int>({envelope.start, envelope.end, int(envelope.upper.size())}),
                 QList<int>({12, 13, 205}));
        QCOMPARE(
            QList<int>({envelope.upper.first(), envelope.lower.first(), envelope.lower.last()}),
            QList<int>({1000, 1001, 3009}));
        // Twenty channels fill three groups of eight; a chunk after a gap is refused.
        QCOMPARE(port.sendMonitoringRanges(4, sequence(16, 0)), int(ControlUnexpectedType));
        QCOMPARE(port.sendMonitoringWaveform(1, 3, 200, sequence(4, 0)),
                 int(ControlUnexpectedType));
    }

    void answersUnreadableFramesWithNak()
    {
        const QHostAddress at = address(31);
        SimulatorThread unit(fastUnit(at));
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        QTcpSocket socket;
        socket.connectToHost(at, Control);
        QVERIFY(socket.waitForConnected(5000));
        const QByteArray unreadable = QByteArray::fromHex("400002a100a3");
        QCOMPARE(exchange(socket, QByteArray::fromHex("400002010004"), 6), unreadable); // BCC
        QCOMPARE(exchange(socket, QByteArray::fromHex("41000201"), 6), unreadable); // start byte
        // An unknown request is refused with its own type.
        QCOMPARE(exchange(socket, QByteArray::fromHex("400002770075"), 6),
                 QByteArray::fromHex("400002a177d4"));
        // The connection still serves a good request.
        QCOMPARE(exchange(socket, QByteArray::fromHex("400002010003"), 4).at(3), char(0x51));
    }

    void commandBitsChangeCountersAndMode()
    {
        const QHostAddress at = address(32);
        SimulatorOptions options = fastUnit(at);
        options.driftEvery = 1;
        options.shotLimit = 2;
        options.config.setFlags(SystemConfig::AlarmEnabled);
        SimulatorThread unit(options);
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        QTRY_COMPARE_WITH_TIMEOUT(unit.simulator()->statistics().shotsCompleted.load(), 2ULL,
                                  20000);
        ControlPort port(at, Control);
        QCOMPARE(port.open(), 0);
        const BUPayload::UnitStatus& status = port.packet()->unitStatus();
        QCOMPARE(port.readStatus(), 0);
        // Every shot drifts out of its windows.
        QCOMPARE(QList<int>({status.shotNumber, status.judgedCount, status.ngCount}),
                 QList<int>({2, 2, 2}));
        QCOMPARE(status.statusBits & UnitState::AlarmBit, int(UnitState::AlarmBit));
        QCOMPARE(port.setMode(0, 0x01), 0);
        QCOMPARE(status.statusBits & UnitState::AlarmBit, 0);
        QCOMPARE(port.setMode(0, 0x02), 0);
        QCOMPARE(QList<int>({status.shotNumber, status.judgedCount}), QList<int>({0, 2}));
        QCOMPARE(port.setMode(0, 0x04), 0);
        QCOMPARE(QList<int>({status.judgedCount, status.ngCount}), QList<int>({0, 0}));
        unit.simulator()->reportUnitReset();
        QCOMPARE(port.readStatus(), 0);
        QCOMPARE(status.entries[0].status & 0x0F, 1);
        QCOMPARE(port.setMode(0, 0x40), 0);
        QCOMPARE(status.entries[0].status & 0x0F, 0);
        QCOMPARE(port.setMode(1, 0x08), 0);
        QCOMPARE(status.mode, quint8(1));
        QCOMPARE(port.setMode(3, 0), int(ControlUnexpectedType)); // no such mode
        QCOMPARE(port.readStatus(), 0);
        QCOMPARE(status.mode, quint8(1));
    }
};

CVO_TEST_MAIN_NO_GUI(TestUnitsimControl)

#include "tst_unitsim_control.moc"
