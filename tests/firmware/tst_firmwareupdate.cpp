// The firmware update window against real FTP servers: Debian's pyftpdlib as a child
// process and the simulator's stand-in, with the unit's control port caught by a peer.

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

constexpr quint16 FtpPort = 2121;

// pyftpdlib serving `folder`; the QProcess kills it when it goes.
bool startPyFtpd(QProcess& process, const QHostAddress& host, const QString& folder, bool anonymous)
{
    QStringList arguments{
        "-m", "pyftpdlib", "-w", "-i", host.toString(), "-p", QString::number(FtpPort),
        "-d", folder};
    if (!anonymous) // a named user only: the anonymous login is refused
        arguments += {"-u", "operator", "-P", "secret"};
    process.start("/usr/bin/python3", arguments);
    QTcpSocket probe;
    for (int tries = 0; process.waitForStarted(5000) && tries < 50; ++tries) {
        probe.connectToHost(host, FtpPort);
        if (probe.waitForConnected(200))
            return true;
        QTest::qWait(100);
    }
    return false;
}

} // namespace

class TestFirmwareUpdate : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void sendsOnlySoundFilesAndTellsTheUnitOnlyAfterSuccess_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("server"); // "silent" accepts and never answers
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("storedName"); // empty when the update must fail
        // Each row its own unit address: 127.0.140.<row number>.
        auto row = [unit = 0](const char* tag, const char* server, const char* file,
                              const char* stored) mutable {
            QTest::newRow(tag) << ++unit << QString(server) << QString(file) << QString(stored);
        };
        row("pyftpdlib, boot in capitals", "pyftpdlib", "BOOT_1.mot", "boot.mot");
        row("stand-in, boot later on", "stand-in", "apl_boot.mot", "apl.mot");
        row("server stalls", "silent", "apl.mot", "");
        row("login refused", "pyftpdlib, named user only", "apl.mot", "");
        row("one wrong checksum", "silent", "bad.mot", "");
    }

    void sendsOnlySoundFilesAndTellsTheUnitOnlyAfterSuccess()
    {
        QFETCH(int, unit);
        QFETCH(QString, server);
        QFETCH(QString, fileName);
        QFETCH(QString, storedName);
        const QHostAddress address(QStringLiteral("127.0.140.%1").arg(unit));
        const QString folder = m_dir.filePath(QString::number(unit));
        QVERIFY(QDir().mkpath(folder));
        QProcess pyftpd;
        QTcpServer silent;
        FtpStandIn standIn({.address = address, .port = 0, .folder = folder, .commandLog = {}});
        if (server == "silent")
            QVERIFY(silent.listen(address, FtpPort));
        else if (server == "stand-in")
            QVERIFY(standIn.start());
        else
            QVERIFY(startPyFtpd(pyftpd, address, folder, server == "pyftpdlib"));
        // Larger than a socket buffer, so the transfer takes several rounds.
        QByteArrayList lines = SRecordImage::lines(20000);
        if (fileName == "bad.mot")
            lines[3].replace(lines[3].size() - 2, 2, lines[3].endsWith("00") ? "01" : "00");
        const QByteArray image = lines.join("\r\n");
        QFile file(m_dir.filePath(fileName));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(image) == image.size());
        file.close();

        AppSettings().setValue(SettingKey::DeviceIPAddress, address.toIPv4Address());
        LoopbackPeer control(address, 50000, [](const QByteArray&) { return QList<QByteArray>{}; });
        QList<UserPrompt::Message> messages;
        UserPrompt::setMessageHandler([&](const UserPrompt::Message& m) {
            messages << m;
            return QMessageBox::Ok;
        });
        UserPrompt::setFileHandler([&](const UserPrompt::FileRequest&) { return file.fileName(); });
        FirmwareUpdateWindow window;
        window.uploader().setPort(server == "stand-in" ? standIn.serverPort() : FtpPort);
        window.uploader().setInactivityTimeout(server == "silent" ? 300 : 5000);
        window.show();
        window.findChild<QPushButton*>("selectButton")->click();
        window.findChild<QPushButton*>("updateButton")->click();
        QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, 20000);
        QTest::qWait(200); // a frame sent before the message has arrived by now

        const bool succeeded = !storedName.isEmpty();
        const QString message = succeeded               ? "Firmware update succeeded."
                                : fileName == "bad.mot" ? "Line 4: "
                                                        : "Firmware update failed.";
        QVERIFY2(messages.first().text.contains(message), qPrintable(messages.first().text));
        QCOMPARE(control.requests(), succeeded
                                         ? QList<QByteArray>{QByteArray::fromHex("4000010302")}
                                         : QList<QByteArray>{});
        QCOMPARE(window.isVisible(), !succeeded);
        QFile stored(QDir(folder).filePath(storedName));
        QCOMPARE(stored.open(QIODevice::ReadOnly) && stored.readAll() == image, succeeded);
        if (fileName == "bad.mot") // not even a connection to the server
            QVERIFY(!silent.hasPendingConnections());
    }
};

CVO_TEST_MAIN(TestFirmwareUpdate)
#include "tst_firmwareupdate.moc"
