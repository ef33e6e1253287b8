#include "MachineStandIn.h"
#include "TestMain.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

const QByteArray kStatusText = QByteArray::fromHex("8ea993ae895e935d9286");   // 自動運転中
const QByteArray kUnknownText = QByteArray::fromHex("96a292e88b60");          // 未定義
const QByteArray kTempText = QByteArray::fromHex("89b79378825182518254818e"); // 温度２２５℃

QByteArray request(const QByteArray& id)
{
    return "\x04" + id + "\x05";
}

QByteArray reply(const QByteArray& id, const QByteArray& shiftJisText)
{
    QByteArray frame = "\x02" + id + shiftJisText + "\x03";
    char bcc = 0;
    for (qsizetype i = 1; i < frame.size(); ++i)
        bcc = char(bcc ^ frame.at(i));
    return frame + bcc;
}

// The manager's end of the line: the serial port opened at the molding machine's settings.
class ManagerPort
{
public:
    explicit ManagerPort(const QString& path) : m_port(path)
    {
        QObject::connect(&m_port, &QSerialPort::readyRead, &m_port,
                         [this] { m_received += m_port.readAll(); });
    }

    // 9600 8E1; a pseudo-terminal may refuse the parity, but nothing else.
    bool open()
    {
        if (!m_port.open(QIODevice::ReadWrite))
            return false;
        m_port.setParity(QSerialPort::EvenParity);
        return m_port.setBaudRate(QSerialPort::Baud9600) &&
               m_port.setDataBits(QSerialPort::Data8) && m_port.setStopBits(QSerialPort::OneStop) &&
               m_port.setFlowControl(QSerialPort::NoFlowControl);
    }

    QSerialPort& port() { return m_port; }
    QByteArray& received() { return m_received; }

    void send(const QByteArray& bytes)
    {
        m_port.write(bytes);
        m_port.flush();
    }

    // Sends one request and waits (bounded) for as many bytes as the expected reply has.
    QByteArray exchange(const QByteArray& id, qsizetype expectedSize)
    {
        m_received.clear();
        send(request(id));
        QElapsedTimer waited;
        waited.start();
        while (m_received.size() < expectedSize && waited.elapsed() < 3000)
            QTest::qWait(5);
        return std::exchange(m_received, {});
    }

private:
    QSerialPort m_port;
    QByteArray m_received;
};

} // namespace

class TestMachineStandIn : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    MachineOptions optionsFor(const char* name) const
    {
        MachineOptions options;
        options.linkPath = m_dir.filePath(QString::fromLatin1(name));
        return options;
    }

private Q_SLOTS:
    void answersAScriptedExchangeAcrossReopenedPorts()
    {
        MachineStandIn machine(optionsFor("exchange"));
        QVERIFY2(machine.start(), qPrintable(machine.errorString()));
        QCOMPARE(QFileInfo(machine.linkPath()).symLinkTarget(), machine.slavePath());

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
            manager.port().close();
            QTest::qWait(50); // the machine's side sees the line closed between shots
        }
    }

    void answersFromATableFile()
    {
        QFile table(m_dir.filePath("table.csv"));
        QVERIFY(table.open(QIODevice::WriteOnly));
        table.write("TEMP,温度２２５℃\n*,NG\n");
        table.close();
        MachineOptions options = optionsFor("table");
        options.tablePath = table.fileName();
        MachineStandIn machine(options);
        QVERIFY2(machine.start(), qPrintable(machine.errorString()));

        ManagerPort manager(machine.linkPath());
        QVERIFY(manager.open());
        QCOMPARE(manager.exchange("TEMP", 20), reply("TEMP", kTempText));
        QCOMPARE(manager.exchange("STAT", 9), reply("STAT", "NG"));
    }

    void faultSwitchSpoilsRepliesUntilTurnedOff_data()
    {
        QTest::addColumn<MachineFaults>("faults");
        QTest::newRow("silent") << MachineFaults{true, false, false};
        QTest::newRow("bad BCC") << MachineFaults{false, true, false};
        QTest::newRow("noise before STX") << MachineFaults{false, false, true};
    }

    void faultSwitchSpoilsRepliesUntilTurnedOff()
    {
        QFETCH(MachineFaults, faults);
        int requests = 0;
        MachineOptions options = optionsFor(QTest::currentDataTag());
        options.faults = faults;
        options.frameHook = [&](MachineFrameDirection direction, const QByteArray&) {
            requests += direction == MachineFrameDirection::Request;
        };
        MachineStandIn machine(options);
        QVERIFY2(machine.start(), qPrintable(machine.errorString()));
        ManagerPort manager(machine.linkPath());
        QVERIFY(manager.open());

        const QByteArray good = reply("STAT", kStatusText);
        manager.send(request("STAT"));
        QTRY_COMPARE_WITH_TIMEOUT(requests, 1, 3000);
        QTest::qWait(200);
        const QByteArray spoiled = std::exchange(manager.received(), {});
        if (faults.silent) {
            QCOMPARE(spoiled, QByteArray());
        } else if (faults.badBcc) {
            QCOMPARE(spoiled.chopped(1), good.chopped(1));
            QVERIFY(spoiled.back() != good.back());
        } else {
            QVERIFY(spoiled.size() > good.size());
            QVERIFY(spoiled.endsWith(good));
            QVERIFY(!spoiled.chopped(good.size()).contains('\x02'));
        }

        machine.setFaults({}); // switched at run time
        QCOMPARE(manager.exchange("STAT", good.size()), good);
    }

    void readsSplitRequestsAndDropsOnesLeftHanging()
    {
        QList<QPair<MachineFrameDirection, QByteArray>> frames;
        MachineOptions options = optionsFor("split");
        options.requestGapMs = 300; // wide enough for a busy test machine between the pieces
        options.frameHook = [&](MachineFrameDirection direction, const QByteArray& frame) {
            frames.append({direction, frame});
        };
        MachineStandIn machine(options);
        QVERIFY2(machine.start(), qPrintable(machine.errorString()));
        ManagerPort manager(machine.linkPath());
        QVERIFY(manager.open());

        // Noise, then a request in two pieces that follow each other closely.
        const QByteArray expected = reply("CYCL", "32.45");
        manager.send("\xff\x04"
                     "CY");
        QTest::qWait(20);
        manager.send("CL\x05");
        QTRY_COMPARE_WITH_TIMEOUT(manager.received(), expected, 3000);

        // A request whose end comes after the line went quiet is not answered.
        manager.received().clear();
        manager.send("\x04"
                     "ST");
        QTest::qWait(options.requestGapMs * 3);
        manager.send("AT\x05");
        QCOMPARE(manager.exchange("CYCL", expected.size()), expected);

        using Frame = QPair<MachineFrameDirection, QByteArray>;
        const Frame asked{MachineFrameDirection::Request, request("CYCL")};
        const Frame answered{MachineFrameDirection::Reply, expected};
        QCOMPARE(frames, QList<Frame>({asked, answered, asked, answered}));
    }

    void managesItsLinkWithoutHarmingOthers()
    {
        const MachineOptions options = optionsFor("link");
        QVERIFY(QFile::link(m_dir.filePath("gone-long-ago"), options.linkPath));
        MachineStandIn first(options);
        QVERIFY2(first.start(), qPrintable(first.errorString()));
        QCOMPARE(QFileInfo(options.linkPath).symLinkTarget(), first.slavePath());

        // A second simulator takes the path over; the first must not remove its link.
        MachineStandIn second(options);
        QVERIFY(second.start());
        first.stop();
        QCOMPARE(QFileInfo(options.linkPath).symLinkTarget(), second.slavePath());
        second.stop();
        QVERIFY(!QFileInfo(options.linkPath).isSymLink());

        // A file that is no link is never replaced.
        QFile file(options.linkPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep me");
        file.close();
        QVERIFY(!first.start());
        QVERIFY(!first.isRunning());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("keep me"));
    }

    void servesFromItsOwnThread()
    {
        QThread thread;
        auto* machine = new MachineStandIn(optionsFor("threaded"));
        machine->moveToThread(&thread);
        QObject::connect(&thread, &QThread::finished, machine, &QObject::deleteLater);
        thread.start();
        // Ends the thread (and with it the machine) also when a check below fails.
        auto stopThread = qScopeGuard([&thread] {
            thread.quit();
            thread.wait(5000);
        });
        bool started = false;
        QMetaObject::invokeMethod(
            machine, [&] { started = machine->start(); }, Qt::BlockingQueuedConnection);
        QVERIFY(started);
        const QString link = machine->linkPath();
        {
            ManagerPort manager(link);
            QVERIFY(manager.open());
            const QByteArray expected = reply("STAT", kStatusText);
            QCOMPARE(manager.exchange("STAT", expected.size()), expected);
            // The switches are flipped from the test's thread while the machine serves.
            machine->setFaults({true, false, false});
            manager.send(request("STAT"));
            QTest::qWait(200);
            QCOMPARE(manager.received(), QByteArray());
        }
        stopThread.dismiss();
        thread.quit();
        QVERIFY(thread.wait(5000));
        QVERIFY(!QFileInfo(link).isSymLink());
    }
};

CVO_TEST_MAIN_NO_GUI(TestMachineStandIn)
#include "tst_machinestandin.moc"
