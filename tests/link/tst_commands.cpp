#include "ControlPort.h"
#include "FirmwareInfo.h"
#include "FirmwareQuery.h"
#include "ModuleConfigBase.h"
#include "ReferenceEnvelope.h"
#include "SimulatorTestSupport.h"
#include "TestMain.h"

#include <QDateTime>
#include <QTest>

#include <numeric>

Q_DECLARE_METATYPE(FirmwareIdentity)

namespace {

QHostAddress testAddress(int n)
{
    return QHostAddress(QStringLiteral("127.0.23.%1").arg(n));
}

constexpr quint16 Control = ControlPort::DefaultPort;

struct FirmwareGuard
{
    ~FirmwareGuard() { resetFirmwareType(); }
};

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The simulated unit decodes every command on its own; what it holds afterwards shows
    // that each field went where the unit reads it.
    void everyCommandReachesTheUnitAsMeant()
    {
        SimulatorThread unit(SimTest::fastUnit(testAddress(1)));
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        const qint32 module = SimTest::unitConfig(unit).module(0)->moduleTypeCode();
        ControlPort port(testAddress(1), Control);
        QCOMPARE(port.open(), 0);

        QCOMPARE(port.readUnitInfo(), 0);
        QCOMPARE(port.setClock(QDateTime(QDate(2013, 5, 4), QTime(10, 20, 30, 789))), 0);
        QCOMPARE(port.setMode(UnitState::IoTest, 0x04), 0);
        QCOMPARE(port.readStatus(), 0);
        QCOMPARE(port.packet()->unitStatus().mode, quint8(UnitState::IoTest));
        QCOMPARE(port.writeOutputs(module, 0x15), 0);
        QCOMPARE(port.readIoStatus(module), 0);
        QCOMPARE(port.packet()->ioStatus().outputs, quint8(0x15));
        QList<quint16> ranges(16);
        std::iota(ranges.begin(), ranges.end(), quint16(1000));
        QCOMPARE(port.sendMonitoringRanges(1, ranges), 0);
        QList<quint16> values(150); // upper and lower in turn, counting down from 0xFFFF
        std::iota(values.rbegin(), values.rend(), quint16(0xFFFF - 149));
        QCOMPARE(port.sendMonitoringWaveform(1, 2, 0, values), 0); // padded to 400 values

        QDateTime clock;
        ReferenceEnvelope envelope;
        unit.call([&](UnitSimulator& sim) {
            clock = sim.state().clock();
            envelope = *sim.state().references().envelope(1);
        });
        QCOMPARE(clock.date(), QDate(2013, 5, 4));
        QCOMPARE(clock.time().toString(QStringLiteral("hh:mm")), QStringLiteral("10:20"));
        QCOMPARE(envelope.start, quint16(1002)); // the second channel's pair
        QCOMPARE(envelope.end, quint16(1003));
        QCOMPARE(envelope.upper.size(), 75);
        QCOMPARE(envelope.upper.first(), quint16(0xFFFF));
        QCOMPARE(envelope.lower.last(), quint16(0xFFFF - 149));

        unit.simulator()->armWrongReply();
        QCOMPARE(port.setMode(0, 0), int(ControlUnexpectedType));
        QCOMPARE(port.readStatus(), 0);
    }

    void refusesBadArgumentsBeforeSending()
    {
        ControlPort port(testAddress(2), Control); // never opened
        QCOMPARE(port.sendMonitoringRanges(1, QList<quint16>(15, 0)), 3);
        QCOMPARE(port.sendMonitoringRanges(1, QList<quint16>(17, 0)), 3);
        QCOMPARE(port.sendMonitoringWaveform(1, 1, 60000, {}), 3);
        QCOMPARE(port.sendMonitoringWaveform(1, 1, 0, QList<quint16>(401, 0)), 3);
        QCOMPARE(port.sendMonitoringWaveform(1, 1, 59999, QList<quint16>(400, 0)), 2); // no link
    }

    void classifiesTheFirmwareFromTheUnitInfo_data()
    {
        QTest::addColumn<FirmwareIdentity>("firmware");
        QTest::addColumn<int>("type");
        QTest::newRow("standard") << FirmwareIdentity::standard() << 0;
        QTest::newRow("company A") << FirmwareIdentity::companyA() << 1;
        QTest::newRow("company C") << FirmwareIdentity::fromVersionWord(0x0B002C96) << 2;
        QTest::newRow("other variant") << FirmwareIdentity::fromVersionWord(0x00003001) << 0;
        QTest::newRow("legacy, no answer") << FirmwareIdentity::legacy() << -1;
    }

    void classifiesTheFirmwareFromTheUnitInfo()
    {
        QFETCH(FirmwareIdentity, firmware);
        QFETCH(int, type);
        FirmwareGuard guard;
        static int row = 0;
        const QHostAddress at = testAddress(10 + row++);
        SimulatorThread unit(SimTest::fastUnit(at, firmware));
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        firmwareVersion = 0x0B002B96;
        QCOMPARE(updateFirmwareType(at, Control), type != -1);
        QCOMPARE(firmwareType.load(), type);
        QCOMPARE(firmwareVersion.load(), type == -1 ? 0x0B002B96u : firmware.versionWord());
    }
};

CVO_TEST_MAIN_NO_GUI(TestCommands)
#include "tst_commands.moc"
