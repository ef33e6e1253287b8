#include "AppSettings.h"
#include "MachineStandIn.h"
#include "SerialPacket.h"
#include "TestMain.h"

#include <QSignalSpy>

// The link against the simulator's molding machine on a pseudo-terminal. Both run in the
// test thread: the machine is served by socket notifiers, the link by its port's signals,
// so every wait below drives both.
class TestSerialLink : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<MachineStandIn> m_machine;
    std::unique_ptr<SerialPacket> m_link;
    QList<QByteArray> m_requests;
    QList<int> m_statuses;
    QList<int> m_finishFlags;

    static QString writeFile(const QString& path, const QByteArray& content)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() ? path
                                                                                        : QString();
    }

    bool startMachineAndLink(const QByteArray& table, MachineOptions options = {})
    {
        m_link.reset();
        m_machine.reset();
        m_requests.clear();
        m_statuses.clear();
        m_finishFlags.clear();
        // Unique across processes too: the serial port's lock file is named after it.
        options.linkPath = m_dir.filePath(QStringLiteral("mm-%1-%2")
                                              .arg(QCoreApplication::applicationPid())
                                              .arg(QTest::currentTestFunction()));
        options.frameHook = [this](MachineFrameDirection direction, const QByteArray& frame) {
            if (direction == MachineFrameDirection::Request)
                m_requests.append(frame.mid(1, frame.size() - 2));
        };
        m_machine = std::make_unique<MachineStandIn>(options);
        if (!m_machine->start())
            return false;
        AppSettings().setValue(QStringLiteral("moldMachineSerialPort"), options.linkPath);
        m_link = std::make_unique<SerialPacket>();
        m_link->setTimeouts(100, 400);
        connect(m_link.get(), &SerialPacket::statusUpdate, this,
                [this](int status) { m_statuses.append(status); });
        connect(m_link.get(), &SerialPacket::packetAllFinished, this,
                [this](int* error) { m_finishFlags.append(*error); });
        return m_link->loadMachineFile(writeFile(m_dir.filePath("Mold_Machine.csv"), table));
    }

    bool runExchange()
    {
        QSignalSpy finished(m_link.get(), &SerialPacket::packetAllFinished);
        m_link->start();
        return finished.wait(5000);
    }

    QStringList replies() const
    {
        QStringList list;
        for (const MoldMachineRecord& record : m_link->records())
            list.append(record.reply);
        return list;
    }

private Q_SLOTS:
    void asksEveryRecordInOrderAndLogsTheReplies()
    {
        MachineOptions options;
        options.tablePath =
            writeFile(m_dir.filePath("replies.csv"), "MOLD,金型ＡＢ－１２\nNOTE,first\rsecond\n");
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
        // An empty table finishes at once and closes the port again.
        QVERIFY(m_link->loadMachineFile(writeFile(m_dir.filePath("empty.csv"), "")));
        m_link->start();
        QCOMPARE(m_finishFlags, (QList<int>{0, 0}));
        QVERIFY(!m_link->isPortOpen());
    }

    void faultyRepliesAreMarkedAndTheExchangeGoesOn_data()
    {
        QTest::addColumn<MachineFaults>("faults");
        QTest::addColumn<QStringList>("replies");
        QTest::addColumn<int>("flag");
        const QString timeout = SerialPacket::timeoutMark();
        const QString bcc = SerialPacket::bccErrorMark();
        QTest::newRow("silent") << MachineFaults{true} << QStringList{timeout, timeout} << -1;
        QTest::newRow("bad BCC") << MachineFaults{false, true} << QStringList{bcc, bcc} << 0;
        // Noise ahead of STX hides the frame until the line goes quiet: a time-out.
        QTest::newRow("noise before STX")
            << MachineFaults{false, false, true} << QStringList{timeout, timeout} << -1;
    }

    void faultyRepliesAreMarkedAndTheExchangeGoesOn()
    {
        QFETCH(MachineFaults, faults);
        QFETCH(QStringList, replies);
        MachineOptions options;
        options.faults = faults;
        QVERIFY(startMachineAndLink("STAT,State\nCYCL,Cycle\n", options));
        QVERIFY(runExchange());
        QCOMPARE(this->replies(), replies);
        QTEST(m_finishFlags.value(0), "flag");
        QCOMPARE(m_statuses.count(SerialPacket::Timeout),
                 replies.count(SerialPacket::timeoutMark()));
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
};

CVO_TEST_MAIN_NO_GUI(TestSerialLink)
#include "tst_seriallink.moc"
