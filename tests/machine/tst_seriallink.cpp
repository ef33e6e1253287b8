#include "AppSettings.h"
#include "MachineStandIn.h"
#include "MachineTestFiles.h"
#include "SerialPacket.h"
#include "TestMain.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <functional>
#include <memory>

// The link against the simulator's molding machine on a pseudo-terminal. Both run in the
// test thread: the machine is served by socket notifiers, the link by its port's signals,
// so every wait below drives both.
class TestSerialLink : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MachineStandIn> m_machine;
    std::unique_ptr<SerialPacket> m_link;
    QList<QByteArray> m_requests;
    std::function<void(int requestNumber)> m_onRequest;
    QList<int> m_statuses;
    QList<int> m_finishFlags;

    bool startMachineAndLink(const QByteArray& table, MachineOptions options = {})
    {
        // Unique across processes too: the serial port's lock file is named after it.
        const QString port = m_dir->filePath(QStringLiteral("mm-%1-%2")
                                                 .arg(QCoreApplication::applicationPid())
                                                 .arg(QTest::currentTestFunction()));
        options.linkPath = port;
        options.replyDelayMs = 1;
        options.frameHook = [this](MachineFrameDirection direction, const QByteArray& frame) {
            if (direction == MachineFrameDirection::Request) {
                m_requests.append(frame.mid(1, frame.size() - 2));
                if (m_onRequest)
                    m_onRequest(int(m_requests.size()));
            }
        };
        m_machine = std::make_unique<MachineStandIn>(options);
        if (!m_machine->start()) {
            qWarning().noquote() << m_machine->errorString();
            return false;
        }

        AppSettings().setValue(QStringLiteral("moldMachineSerialPort"), port);
        m_link = std::make_unique<SerialPacket>();
        m_link->setTimeouts(100, 400);
        connect(m_link.get(), &SerialPacket::statusUpdate, this,
                [this](int status) { m_statuses.append(status); });
        connect(m_link.get(), &SerialPacket::packetAllFinished, this,
                [this](int* error) { m_finishFlags.append(*error); });
        return m_link->loadMachineFile(writeTestFile(m_dir->filePath("Mold_Machine.csv"), table));
    }

    bool runExchange()
    {
        QSignalSpy finished(m_link.get(), &SerialPacket::packetAllFinished);
        m_link->start();
        return !finished.isEmpty() || finished.wait(5000);
    }

    QStringList replies() const
    {
        QStringList list;
        for (const MoldMachineRecord& record : m_link->records())
            list.append(record.reply);
        return list;
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_requests.clear();
        m_onRequest = {};
        m_statuses.clear();
        m_finishFlags.clear();
    }

    void cleanup()
    {
        m_link.reset();
        m_machine.reset();
    }

    void asksEveryRecordInOrderAndLogsTheReplies()
    {
        MachineOptions options;
        options.tablePath = writeTestFile(m_dir->filePath("replies.csv"),
                                          "MOLD,金型ＡＢ－１２\nNOTE,first\rsecond\n");
        QVERIFY(startMachineAndLink("MOLD,Mold\nNOTE,Note\nSHOT,Shots\n", options));
        // The start-up check leaves the port open; the first exchange goes on with it.
        QVERIFY(m_link->openPort());

        QVERIFY(runExchange());
        QTest::qWait(100);
        QCOMPARE(m_requests, (QList<QByteArray>{"MOLD", "NOTE", "SHOT"}));
        QCOMPARE(m_finishFlags, QList<int>{0});
        QCOMPARE(m_statuses, (QList<int>{1, 3, 4, 3, 4, 3, 4, 0}));
        QVERIFY(!m_link->isPortOpen());
        // Shift-JIS decoded; a line break in a reply must not split the log line.
        m_link->setClock([] { return QDateTime(QDate(2012, 5, 10), QTime(13, 45, 20)); });
        QCOMPARE(m_link->buildLogLine("123"),
                 QString("2012/05/10 13:45:20, 123, 金型ＡＢ－１２, first second, 未定義\n"));
    }

    void faultyRepliesAreMarkedAndTheExchangeGoesOn_data()
    {
        QTest::addColumn<MachineFaults>("faults");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<int>("flag");
        QTest::newRow("silent") << MachineFaults{true, false, false} << SerialPacket::timeoutMark()
                                << -1;
        QTest::newRow("bad BCC") << MachineFaults{false, true, false}
                                 << SerialPacket::bccErrorMark() << 0;
        // Noise ahead of STX hides the frame until the line goes quiet: a time-out.
        QTest::newRow("noise before STX")
            << MachineFaults{false, false, true} << SerialPacket::timeoutMark() << -1;
    }

    void faultyRepliesAreMarkedAndTheExchangeGoesOn()
    {
        QFETCH(MachineFaults, faults);
        QFETCH(QString, mark);
        QFETCH(int, flag);
        MachineOptions options;
        options.faults = faults;
        QVERIFY(startMachineAndLink("STAT,State\nCYCL,Cycle\n", options));

        QVERIFY(runExchange());
        QCOMPARE(m_requests, (QList<QByteArray>{"STAT", "CYCL"}));
        QCOMPARE(replies(), (QStringList{mark, mark}));
        QCOMPARE(m_finishFlags, QList<int>{flag});
        QVERIFY(!m_statuses.contains(SerialPacket::Received));
        QCOMPARE(m_statuses.count(SerialPacket::Timeout), flag ? 2 : 0);
    }

    void aTimeOutIsReportedEvenWhenLaterRecordsAnswer()
    {
        QVERIFY(startMachineAndLink("STAT,State\nCYCL,Cycle\n"));
        m_onRequest = [this](int n) { m_machine->setFaults(MachineFaults{n == 1, false, false}); };

        QVERIFY(runExchange());
        QCOMPARE(replies(), (QStringList{SerialPacket::timeoutMark(), "32.45"}));
        QCOMPARE(m_finishFlags, QList<int>{-1});
    }

    void shotStartAbandonsARunningExchange()
    {
        MachineOptions options;
        options.faults.silent = true;
        QVERIFY(startMachineAndLink("STAT,State\nCYCL,Cycle\n", options));
        m_link->start();
        QTRY_COMPARE_WITH_TIMEOUT(m_requests.size(), 1, 5000);

        m_link->resetReception();
        QCOMPARE(m_statuses.last(), int(SerialPacket::Idle));
        QVERIFY(!m_link->isPortOpen());
        // The abandoned request's time-out must neither mark a record nor ask on.
        QTest::qWait(600);
        QCOMPARE(m_requests.size(), 1);
        QVERIFY(m_finishFlags.isEmpty());
        QCOMPARE(replies(), (QStringList{QString(), QString()}));

        m_machine->setFaults({});
        QVERIFY(runExchange());
        QCOMPARE(m_requests, (QList<QByteArray>{"STAT", "STAT", "CYCL"}));
        QCOMPARE(m_finishFlags, QList<int>{0});
    }

    void emptyTableFinishesAtOnceAndClosesThePort()
    {
        QVERIFY(startMachineAndLink(""));
        m_link->start();
        QCOMPARE(m_finishFlags, QList<int>{0});
        QCOMPARE(m_statuses, (QList<int>{1, 0}));
        QVERIFY(!m_link->isPortOpen());
    }
};

CVO_TEST_MAIN_NO_GUI(TestSerialLink)
#include "tst_seriallink.moc"
