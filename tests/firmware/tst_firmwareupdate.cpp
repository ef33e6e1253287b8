// The firmware update window against real FTP servers: Debian's pyftpdlib as a child
// process and the simulator's stand-in, with the control port's frames caught.

#include "AppSettings.h"
#include "FirmwareUpdateWindow.h"
#include "FtpStandIn.h"
#include "LoopbackPeer.h"
#include "SRecordImage.h"
#include "TestMain.h"
#include "UserPrompt.h"

#include <QProcess>
#include <QPushButton>

namespace {

enum Server
{
    PyFtpd,
    PyFtpdWithoutAnonymous,
    StandIn,
    Silent // accepts connections and never answers
};

QHostAddress address(int n)
{
    return QHostAddress(QStringLiteral("127.0.140.%1").arg(n));
}

constexpr quint16 FtpPort = 2121;

// pyftpdlib serving `folder` for as long as the object lives.
struct PyFtpdProcess
{
    QProcess process;

    bool start(const QHostAddress& host, const QString& folder, bool anonymous)
    {
        QStringList arguments{
            "-m", "pyftpdlib", "-w", "-i", host.toString(), "-p", QString::number(FtpPort),
            "-d", folder};
        if (!anonymous)
            arguments << "-u"
                      << "operator"
                      << "-P"
                      << "secret";
        process.start(QStringLiteral("/usr/bin/python3"), arguments);
        if (!process.waitForStarted(5000))
            return false;
        for (int waited = 0; waited < 10000; waited += 50) {
            QTcpSocket probe;
            probe.connectToHost(host, FtpPort);
            if (probe.waitForConnected(200))
                return true;
            QTest::qWait(50);
        }
        return false;
    }

    ~PyFtpdProcess()
    {
        process.kill();
        process.waitForFinished(5000);
    }
};

} // namespace

class TestFirmwareUpdate : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QList<UserPrompt::Message> m_messages;

    // Runs the window on `file` against a unit at address n with its control port caught
    // by a peer; returns the control frames the unit received.
    QList<QByteArray> runUpdate(int n, quint16 ftpPort, const QString& file, int inactivityMs,
                                bool* closed)
    {
        AppSettings().setValue(SettingKey::DeviceIPAddress, address(n).toIPv4Address());
        LoopbackPeer control(address(n), 50000,
                             [](const QByteArray&) { return QList<QByteArray>{}; });
        if (!control.listening())
            return {"control port not listening"};
        FirmwareUpdateWindow window;
        window.uploader().setPort(ftpPort);
        window.uploader().setInactivityTimeout(inactivityMs);
        UserPrompt::setFileHandler([&](const UserPrompt::FileRequest&) { return file; });
        window.show();
        window.findChild<QPushButton*>("selectButton")->click();
        window.findChild<QPushButton*>("updateButton")->click();
        if (!QTest::qWaitFor([&] { return !m_messages.isEmpty(); }, 20000))
            return {"no message"};
        QTest::qWait(200); // a frame sent before the message has arrived by now
        *closed = !window.isVisible();
        return control.requests();
    }

    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        QFile file(m_dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }

private Q_SLOTS:
    void init()
    {
        m_messages.clear();
        UserPrompt::setMessageHandler([this](const UserPrompt::Message& m) {
            m_messages << m;
            return QMessageBox::Ok;
        });
    }

    void uploadsTheFileAndTellsTheUnitOnce_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("server");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("storedName");
        QTest::newRow("pyftpdlib, boot in capitals") << 1 << int(PyFtpd) << "BOOT_1.2.mot"
                                                     << "boot.mot";
        QTest::newRow("stand-in, boot later in the name") << 2 << int(StandIn) << "apl_boot.mot"
                                                          << "apl.mot";
    }

    void uploadsTheFileAndTellsTheUnitOnce()
    {
        QFETCH(int, unit);
        QFETCH(int, server);
        QFETCH(QString, fileName);
        QFETCH(QString, storedName);
        const QString folder = m_dir.filePath(QStringLiteral("ftp%1").arg(unit));
        QVERIFY(QDir().mkpath(folder));
        PyFtpdProcess pyftpd;
        FtpOptions options;
        options.address = address(unit);
        options.port = 0;
        options.folder = folder;
        FtpStandIn standIn(options);
        if (server == PyFtpd)
            QVERIFY(pyftpd.start(address(unit), folder, true));
        else
            QVERIFY2(standIn.start(), qPrintable(standIn.errorString()));
        const quint16 port = server == PyFtpd ? FtpPort : standIn.serverPort();
        // Larger than a socket buffer, so the transfer takes several rounds.
        const QByteArray image = SRecordImage::image(300 * 1024);

        bool closed = false;
        const QList<QByteArray> frames =
            runUpdate(unit, port, writeFile(fileName, image), 5000, &closed);

        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages.first().text, "Firmware update succeeded.");
        QCOMPARE(frames, QList<QByteArray>{QByteArray::fromHex("4000010302")});
        QVERIFY(closed);
        QFile stored(QDir(folder).filePath(storedName));
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QVERIFY(stored.readAll() == image);
    }

    void failsWithoutTellingTheUnit_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("server");
        QTest::addColumn<bool>("badChecksum");
        QTest::addColumn<QString>("title");
        QTest::newRow("server stalls") << 3 << int(Silent) << false << "Error";
        QTest::newRow("login refused") << 4 << int(PyFtpdWithoutAnonymous) << false << "Error";
        QTest::newRow("one wrong checksum") << 5 << int(Silent) << true << "File Format Error";
    }

    void failsWithoutTellingTheUnit()
    {
        QFETCH(int, unit);
        QFETCH(int, server);
        QFETCH(bool, badChecksum);
        QFETCH(QString, title);
        PyFtpdProcess pyftpd;
        QTcpServer silent;
        if (server == Silent)
            QVERIFY(silent.listen(address(unit), FtpPort));
        else
            QVERIFY(pyftpd.start(address(unit), m_dir.path(), false));
        QList<QByteArray> lines = SRecordImage::lines(1000);
        if (badChecksum)
            lines[3].replace(lines[3].size() - 2, 2, lines[3].endsWith("00") ? "01" : "00");

        bool closed = true;
        const QList<QByteArray> frames =
            runUpdate(unit, FtpPort, writeFile("apl.mot", lines.join('\n')),
                      server == Silent ? 300 : 5000, &closed);

        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages.first().title, title);
        QCOMPARE(m_messages.first().text.contains("Line 4: "), badChecksum);
        QVERIFY(frames.isEmpty());
        QVERIFY(!closed);
        if (badChecksum) // not even a connection to the server
            QVERIFY(!silent.hasPendingConnections());
    }
};

CVO_TEST_MAIN(TestFirmwareUpdate)
#include "tst_firmwareupdate.moc"
