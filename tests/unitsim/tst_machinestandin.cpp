// The molding machine stand-in: its reply table, its request reader and the line it
// serves on a pseudo-terminal, opened as the manager opens it.

#include "MachineRequestReader.h"
#include "MachineStandIn.h"
#include "MachineTable.h"
#include "TestMain.h"

#include <QFile>
#include <QFileInfo>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kStatusText = QByteArray::fromHex("8ea993ae895e935d9286"); // 自動運転中
const QByteArray kUnknownText = QByteArray::fromHex("96a292e88b60");        // 未定義

QByteArray reply(const QByteArray& id, const QByteArray& shiftJisText)
{
    QByteArray frame = "\x02" + id + shiftJisText + "\x03";
    char bcc = 0;
    for (qsizetype i = 1; i < frame.size(); ++i)
        bcc = char(bcc ^ frame.at(i));
    return frame + bcc;
}

// The manager's end of the line: the serial port opened at the molding machine's settings.
struct ManagerPort
{
    QSerialPort port;
    QByteArray received;

    explicit ManagerPort(const QString& path) : port(path)
    {
        QObject::connect(&port, &QSerialPort::readyRead, &port,
                         [this] { received += port.readAll(); });
    }

    // 9600 8E1; a pseudo-terminal may refuse the parity, but nothing else.
    bool open()
    {
        if (!port.open(QIODevice::ReadWrite))
            return false;
        port.setParity(QSerialPort::EvenParity);
        return port.setBaudRate(QSerialPort::Baud9600) && port.setDataBits(QSerialPort::Data8) &&
               port.setStopBits(QSerialPort::OneStop) &&
               port.setFlowControl(QSerialPort::NoFlowControl);
    }

    // Sends one request and waits (bounded) for as many bytes as the expected reply has.
    QByteArray exchange(const QByteArray& id, qsizetype expectedSize)
    {
        received.clear();
        port.write("\x04" + id + "\x05");
        for (int waited = 0; received.size() < expectedSize && waited < 3000; waited += 5)
            QTest::qWait(5);
        return std::exchange(received, {});
    }
};

} // namespace

class TestMachineStandIn : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void rejectsMalformedTableAndKeepsThePreviousOne_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("no comma") << "A,1\nB 2\n";
        QTest::newRow("empty id") << " ,1\n";
        QTest::newRow("non-ASCII id") << "温度,1\n";
        QTest::newRow("id with a blank") << "A B,1\n";
        QTest::newRow("id too long") << QString(33, QLatin1Char('X')) + ",1\n";
        QTest::newRow("repeated id") << "A,1\n#\nA,2\n";
    }

    void rejectsMalformedTableAndKeepsThePreviousOne()
    {
        QFETCH(QString, text);
        MachineTable table = MachineTable::builtIn();
        QVERIFY(!table.parse(text));
        QCOMPARE(table.ids(), MachineTable::builtIn().ids());
        QCOMPARE(table.reply("STAT"), QStringLiteral("自動運転中"));
    }

    void dropsBrokenRequestsAndRecovers()
    {
        MachineRequestReader reader;
        // Noise before a request and a request in pieces.
        QCOMPARE(reader.feed("\xff\x04"
                             "CY"),
                 QList<QByteArray>());
        QCOMPARE(reader.feed("CL\x05"), QList<QByteArray>({"CYCL"}));
        // A fresh start byte abandons the request in progress.
        QCOMPARE(reader.feed("\x04"
                             "AB\x04"
                             "CD\x05"),
                 QList<QByteArray>({"CD"}));
        // An empty request is nothing to answer.
        QCOMPARE(reader.feed("\x04\x05"), QList<QByteArray>());
        // A runaway id is dropped without growing the buffer, and the next request is read.
        const QByteArray runaway(MachineRequestReader::kMaxIdLength + 10, 'X');
        QCOMPARE(reader.feed("\x04" + runaway + "\x05\x04" + "OK\x05"), QList<QByteArray>({"OK"}));
        QCOMPARE(reader.discardedBytes(), 1 + 3 + 2 + 1 + runaway.size() + 1);
        // A request the line left hanging is dropped by reset().
        reader.feed("\x04"
                    "PART");
        reader.reset();
        QCOMPARE(reader.feed("\x05"), QList<QByteArray>());
    }

    void answersAScriptedExchangeAcrossReopenedPorts()
    {
        MachineOptions options;
        options.linkPath = m_dir.filePath("exchange");
        MachineStandIn machine(options);
        QVERIFY2(machine.start(), qPrintable(machine.errorString()));

        const QList<QPair<QByteArray, QByteArray>> script{
            {"STAT", reply("STAT", kStatusText)},
            {"CYCL", reply("CYCL", "32.45")},
            {"ZZ9", reply("ZZ9", kUnknownText)},
        };
        // The manager opens the port for each shot's exchange and closes it afterwards.
        for (int round = 0; round < 2; ++round) {
            ManagerPort manager(machine.linkPath());
            QVERIFY(manager.open());
            for (const auto& [id, expected] : script)
                QCOMPARE(manager.exchange(id, expected.size()), expected);
            manager.port.close();
            QTest::qWait(50); // the machine's side sees the line closed between shots
        }
    }
};

CVO_TEST_MAIN_NO_GUI(TestMachineStandIn)
#include "tst_machinestandin.moc"
