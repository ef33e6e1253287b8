// The simulated unit's control port, driven by the manager's own ControlPort from the
// test thread while the unit runs on its own thread.

#include "AppSettings.h"
#include "ControlPort.h"
#include "FirmwareQuery.h"
#include "KRT24ModuleConfig.h"
#include "Presets.h"
#include "SimulatorTestSupport.h"
#include "SystemConfigReader.h"
#include "ZRBModuleConfig.h"
#include "ZRCModuleConfig.h"

#include <QApplication>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QTest>

using namespace SimTest;

Q_DECLARE_METATYPE(FirmwareIdentity)

namespace {

constexpr quint16 Control = ControlPort::DefaultPort;

// The ways a unit may answer: every firmware identity and both channel layouts.
// Each row gets its own address offset.
void addFirmwareRows()
{
    QTest::addColumn<FirmwareIdentity>("firmware");
    QTest::addColumn<int>("row");
    QTest::newRow("standard") << FirmwareIdentity::standard() << 0;
    QTest::newRow("company A") << FirmwareIdentity::companyA() << 1;
    QTest::newRow("company C") << FirmwareIdentity::fromVersionWord(0x0B002B96) << 2;
    QTest::newRow("legacy") << FirmwareIdentity::legacy() << 3;
}

SimulatorOptions mixedUnit(const QHostAddress& address, const FirmwareIdentity& firmware)
{
    SimulatorOptions options = fastUnit(address, firmware);
    Presets::make(QStringLiteral("mixed"), &options.config);
    options.config.setPeriod(1);
    return options;
}

// A configuration as an operator would edit it: every kind of setting changed.
void editConfiguration(SystemConfig& config)
{
    config.setPeriod(3);
    config.setSamplingInterval(10);
    config.setAlarmClearDelay(25);
    config.setStartDelay(7);
    config.setFlags(SystemConfig::AlarmEnabled | SystemConfig::ConditionAnd);
    config.setName(QStringLiteral("EDITED"));
    for (int m = 0; m < config.moduleCount(); ++m) {
        ModuleConfigBase* module = config.module(m);
        module->setTitle(QStringLiteral("Module title %1").arg(m));
        for (int c = 0; c < module->channelCount(); ++c) {
            ChannelConfig* channel = module->channel(c);
            channel->setTitle(QStringLiteral("cavity %1-%2").arg(m).arg(c));
            channel->setZone1({quint16(50 + c), 90, 120, 300, true, c % 2 == 0});
            channel->setPoint({quint16(200 + m), 10, 900, c % 3 == 0});
            channel->setEject({20, 60, 5, 700, true, false});
            channel->setSlope({10, 30, -2000, 4000, true});
            channel->setWaveformEnabled(c == 1);
        }
    }
    if (auto* krt = dynamic_cast<KRT24ModuleConfig*>(config.module(0))) {
        PressureSensorParams sensor;
        sensor.rating = 5;
        sensor.distortion = 1234;
        sensor.radius = 2.5f;
        krt->setSensor(2, sensor);
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

bool readWholeConfiguration(const QHostAddress& address, SystemConfig* config)
{
    ControlPort port(address, Control);
    if (port.open() != 0 || port.readSystemConfig() != ControlSuccess)
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

BUPayload::UnitStatus readStatus(const QHostAddress& address)
{
    ControlPort port(address, Control);
    if (port.open() != 0 || port.readStatus() != ControlSuccess)
        return {};
    return port.packet()->unitStatus();
}

// Writes a raw request and collects at least `replyBytes` of the answer.
QByteArray exchange(QTcpSocket& socket, const QByteArray& request, int replyBytes)
{
    socket.write(request);
    QByteArray reply;
    QDeadlineTimer deadline(5000);
    while (reply.size() < replyBytes && !deadline.hasExpired()) {
        if (socket.bytesAvailable() == 0)
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
    void answersEveryRequestWithItsReplyType_data() { addFirmwareRows(); }
    void answersEveryRequestWithItsReplyType()
    {
        QFETCH(FirmwareIdentity, firmware);
        QFETCH(int, row);
        const QHostAddress at = address(1 + row);
        FirmwareTypeGuard guard(firmware.managerFirmwareType());
        SimulatorThread unit(mixedUnit(at, firmware));
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        const SystemConfig config = unitConfig(unit);

        ControlPort port(at, Control);
        QCOMPARE(port.open(), 0);
        const int info = port.readUnitInfo();
        if (firmware.answersUnitInfo()) {
            QCOMPARE(info, int(ControlSuccess));
            QCOMPARE(port.packet()->unitInfo().entries[0].versionWord, firmware.versionWord());
        } else {
            QCOMPARE(info, int(ControlUnexpectedType));
            QCOMPARE(port.packet()->type(), int(BUPacket::Nak));
        }
        QCOMPARE(port.readStatus(), 0);
        QCOMPARE(port.packet()->unitStatus().moduleCount, quint8(config.moduleCount()));
        QCOMPARE(port.readSystemConfig(), 0);
        for (int m = 0; m < config.moduleCount(); ++m) {
            QCOMPARE(port.readModuleConfig(config.module(m)->moduleTypeCode()), 0);
            QCOMPARE(port.packet()->length(),
                     quint16(firmware.moduleConfigMinimumLength() +
                             (config.module(m)->channelCount() - 4) *
                                 WireFormat::channelRecordSize(firmware.channelLayout())));
            QCOMPARE(port.writeModuleConfig(*config.module(m)), 0);
        }
        QCOMPARE(port.writeSystemConfig(config), 0);
        QCOMPARE(port.readIoStatus(config.module(0)->moduleTypeCode()), 0);
        QCOMPARE(port.writeOutputs(config.module(0)->moduleTypeCode(), 0x01), 0);
        QCOMPARE(port.setClock(), 0);
        QCOMPARE(port.sendMonitoringRanges(1, sequence(16, 0)), 0);
        QCOMPARE(port.sendMonitoringWaveform(1, 1, 0, sequence(400, 100)), 0);
        QCOMPARE(port.setMode(1, 0), 0);
        QCOMPARE(port.setMode(0, 0), 0);
        QCOMPARE(port.packet()->type(), int(BUPacket::UnitStatus));

        const int expectedType = firmware.managerFirmwareType();
        QCOMPARE(readFirmwareType(at, Control), expectedType);
    }

    void writtenConfigurationReadsBackEqual_data() { addFirmwareRows(); }
    void writtenConfigurationReadsBackEqual()
    {
        QFETCH(FirmwareIdentity, firmware);
        QFETCH(int, row);
        const QHostAddress at = address(10 + row);
        FirmwareTypeGuard guard(firmware.managerFirmwareType());
        SimulatorThread unit(mixedUnit(at, firmware));
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));

        SystemConfig edited;
        QVERIFY(readWholeConfiguration(at, &edited));
        editConfiguration(edited);
        {
            ControlPort port(at, Control);
            QCOMPARE(port.open(), 0);
            QCOMPARE(port.writeSystemConfig(edited), 0);
            for (int m = 0; m < edited.moduleCount(); ++m)
                QCOMPARE(port.writeModuleConfig(*edited.module(m)), 0);
        }

        SystemConfig readBack;
        QVERIFY(readWholeConfiguration(at, &readBack));
        SystemConfig expected = edited;
        if (firmware.usesLegacyLayout())
            dropLegacyFields(expected);
        QVERIFY(readBack.equals(expected));
        for (int m = 0; m < expected.moduleCount(); ++m) {
            QVERIFY(readBack.module(m)->equalsWithSpecific(*expected.module(m)));
            QCOMPARE(readBack.module(m)->enabled(), expected.module(m)->enabled());
        }
        // The unit streams what it now holds.
        QCOMPARE(unitConfig(unit).samplingInterval(), quint8(10));
        QVERIFY(unitConfig(unit).equals(expected));
    }

    void configurationReaderReadsTheWholeUnit_data() { addFirmwareRows(); }
    void configurationReaderReadsTheWholeUnit()
    {
        QFETCH(FirmwareIdentity, firmware);
        QFETCH(int, row);
        const QHostAddress at = address(20 + row);
        AppSettings().setValue(QStringLiteral("deviceIPAddress"), at.toIPv4Address());
        FirmwareTypeGuard guard(firmware.managerFirmwareType());
        SimulatorThread unit(mixedUnit(at, firmware));
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));

        SystemConfigReader reader;
        QVERIFY(reader.read());
        QVERIFY(reader.config()->equals(unitConfig(unit)));
    }

    void refusesWritesItCannotTake()
    {
        const QHostAddress at = address(30);
        FirmwareTypeGuard guard(0);
        SimulatorThread unit(mixedUnit(at, FirmwareIdentity::legacy()));
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        const SystemConfig before = unitConfig(unit);

        ControlPort port(at, Control);
        QCOMPARE(port.open(), 0);
        // A manager that takes the unit for current firmware writes longer channel records.
        SystemConfig edited = before;
        editConfiguration(edited);
        QCOMPARE(port.writeModuleConfig(*edited.module(0)), int(ControlUnexpectedType));
        QCOMPARE(port.packet()->type(), int(BUPacket::Nak));

        SystemConfig foreign = before;
        foreign.module(1)->setIdentifier(0x01009999);
        QCOMPARE(port.writeModuleConfig(*foreign.module(1)), int(ControlUnexpectedType));
        QCOMPARE(port.writeSystemConfig(foreign), int(ControlUnexpectedType));
        QCOMPARE(port.readModuleConfig(0x01009999), int(ControlUnexpectedType));

        SystemConfig oddInterval = before;
        oddInterval.setSamplingInterval(7);
        QCOMPARE(port.writeSystemConfig(oddInterval), int(ControlUnexpectedType));

        QVERIFY(unitConfig(unit).equals(before));
        QCOMPARE(unitConfig(unit).samplingInterval(), before.samplingInterval());
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

        BUPayload::UnitStatus status = readStatus(at);
        QCOMPARE(status.shotNumber, 2);
        QCOMPARE(status.judgedCount, 2);
        QCOMPARE(status.ngCount, 2); // every shot drifts out of its windows
        QCOMPARE(status.statusBits & UnitState::AlarmBit, int(UnitState::AlarmBit));

        ControlPort port(at, Control);
        QCOMPARE(port.open(), 0);
        QCOMPARE(port.setMode(0, 0x01), 0);
        QCOMPARE(port.packet()->unitStatus().statusBits & UnitState::AlarmBit, 0);
        QCOMPARE(port.setMode(0, 0x02), 0);
        QCOMPARE(port.packet()->unitStatus().shotNumber, 0);
        QCOMPARE(port.packet()->unitStatus().judgedCount, 2);
        QCOMPARE(port.setMode(0, 0x04), 0);
        QCOMPARE(port.packet()->unitStatus().judgedCount, 0);
        QCOMPARE(port.packet()->unitStatus().ngCount, 0);

        unit.simulator()->reportUnitReset();
        QCOMPARE(port.readStatus(), 0);
        QCOMPARE(port.packet()->unitStatus().entries[0].status & 0x0F, 1);
        QCOMPARE(port.setMode(0, 0x40), 0);
        QCOMPARE(port.packet()->unitStatus().entries[0].status & 0x0F, 0);

        QCOMPARE(port.setMode(1, 0x08), 0);
        QCOMPARE(port.packet()->unitStatus().mode, quint8(1));
        QList<qint16> offsets;
        unit.call([&](UnitSimulator& sim) { offsets = sim.state().zeroOffsets(); });
        QCOMPARE(offsets.size(), 8);
        QCOMPARE(port.setMode(3, 0), int(ControlUnexpectedType)); // no such mode
        QCOMPARE(readStatus(at).mode, quint8(1));
    }

    void ioTestModeDrivesTheOutputs()
    {
        const QHostAddress at = address(33);
        SimulatorOptions options = fastUnit(at);
        options.config.setAlarmEnabled(false); // output 1 would show an NG shot's alarm
        SimulatorThread unit(options);
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        const qint32 module = unitConfig(unit).module(0)->moduleTypeCode();
        ControlPort port(at, Control);
        QCOMPARE(port.open(), 0);

        QCOMPARE(port.writeOutputs(module, 0x15), 0); // not in I/O test mode: ignored
        QCOMPARE(port.packet()->ioStatus().outputs, quint8(0));
        QCOMPARE(port.setMode(2, 0), 0);
        QCOMPARE(port.writeOutputs(module, 0x15), 0);
        QCOMPARE(port.packet()->ioStatus().outputs, quint8(0x15));
        QCOMPARE(port.writeOutputs(module, 0xFF), 0);
        QCOMPARE(port.packet()->ioStatus().outputs, quint8(0x1F));
        QCOMPARE(port.readIoStatus(module), 0);
        QCOMPARE(port.packet()->ioStatus().outputs, quint8(0x1F));
        QCOMPARE(port.readIoStatus(0x11777777), int(ControlUnexpectedType));

        const quint8 firstInputs = port.packet()->ioStatus().inputs;
        QVERIFY((firstInputs & ~0x1F) == 0);
        QTRY_VERIFY_WITH_TIMEOUT(port.readIoStatus(module) == 0 &&
                                     port.packet()->ioStatus().inputs != firstInputs,
                                 5000);
        QCOMPARE(port.setMode(0, 0), 0);
        QCOMPARE(port.readIoStatus(module), 0);
        QCOMPARE(port.packet()->ioStatus().outputs, quint8(0)); // back to the unit
    }

    void clockRunsFromTheTimeItWasSet()
    {
        const QHostAddress at = address(34);
        SimulatorThread unit(fastUnit(at));
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        ControlPort port(at, Control);
        QCOMPARE(port.open(), 0);

        const QDateTime set(QDate(2013, 5, 4), QTime(10, 20, 30, 700));
        QCOMPARE(port.setClock(set), 0);
        const auto& bytes = port.packet()->clockReply().bytes;
        QCOMPARE(QList<int>({bytes[0], bytes[1], bytes[2], bytes[3], bytes[4]}),
                 QList<int>({13, 5, 4, 10, 20}));
        QDateTime unitClock;
        unit.call([&](UnitSimulator& sim) { unitClock = sim.state().clock(); });
        QVERIFY(qAbs(set.msecsTo(unitClock)) < 60000);

        const QByteArray badDate = QByteArray::fromHex("010d0d20000000000000").left(9);
        QCOMPARE(port.requestAndWaitResponse(BUPacket::SetClock, badDate), 0);
        QCOMPARE(port.packet()->type(), int(BUPacket::Nak));
    }

    void storesTheMonitoringReferences()
    {
        const QHostAddress at = address(35);
        SimulatorThread unit(fastUnit(at));
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        ControlPort port(at, Control);
        QCOMPARE(port.open(), 0);

        QCOMPARE(port.sendMonitoringRanges(1, sequence(16, 10)), 0);
        QCOMPARE(port.packet()->type(), int(BUPacket::Ack));
        QCOMPARE(port.sendMonitoringWaveform(1, 2, 0, sequence(400, 1000)), 0);
        QCOMPARE(port.sendMonitoringWaveform(1, 2, 200, sequence(10, 3000)), 0);
        ReferenceEnvelope envelope;
        unit.call([&](UnitSimulator& sim) {
            if (const ReferenceEnvelope* held = sim.state().references().envelope(1))
                envelope = *held;
        });
        QCOMPARE(envelope.start, quint16(12));
        QCOMPARE(envelope.end, quint16(13));
        QCOMPARE(envelope.upper.size(), 205);
        QCOMPARE(envelope.upper.first(), quint16(1000));
        QCOMPARE(envelope.lower.first(), quint16(1001));
        QCOMPARE(envelope.lower.last(), quint16(3009));

        // An 8-channel unit has one group of eight; a chunk after a gap is refused.
        QCOMPARE(port.sendMonitoringRanges(2, sequence(16, 0)), int(ControlUnexpectedType));
        QCOMPARE(port.sendMonitoringWaveform(1, 3, 200, sequence(4, 0)),
                 int(ControlUnexpectedType));
        QCOMPARE(port.packet()->type(), int(BUPacket::Nak));
    }

    void firmwareUpdateResetsTheUnit()
    {
        const QHostAddress at = address(36);
        SimulatorThread unit(fastUnit(at));
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        {
            ControlPort port(at, Control);
            QCOMPARE(port.open(), 0);
            port.prepareFirmwareUpdate(); // nothing uploaded: nothing to install
        }
        QTRY_COMPARE_WITH_TIMEOUT(unit.simulator()->statistics().controlRequests.load(), 1ULL,
                                  5000);
        QCOMPARE(readStatus(at).statusBits & UnitState::ResetBit, 0);

        unit.simulator()->acceptFirmwareUpload(QStringLiteral("apl.mot"), 4096, QString());
        {
            ControlPort port(at, Control);
            QCOMPARE(port.open(), 0);
            port.prepareFirmwareUpdate();
        }
        QTRY_COMPARE_WITH_TIMEOUT(unit.simulator()->statistics().unitResets.load(), 1ULL, 5000);
        QVERIFY(!unit.simulator()->hasPendingFirmware());
        const BUPayload::UnitStatus status = readStatus(at);
        QCOMPARE(status.statusBits & UnitState::ResetBit, int(UnitState::ResetBit));
        QCOMPARE(status.mode, quint8(0));
    }
};

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/.config")));
    QApplication app(argc, argv);
    TestUnitsimControl test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_unitsim_control.moc"
