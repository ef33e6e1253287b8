// The FTP stand-in that takes the firmware the manager uploads to the unit.

#include "FtpStandIn.h"
#include "TestMain.h"

#include <QDir>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTcpSocket>

#include <curl/curl.h>

#include <cstdio>
#include <future>

namespace {

QByteArray firmwareImage(qsizetype size)
{
    QByteArray data(size, Qt::Uninitialized);
    QRandomGenerator generator(size);
    for (char& byte : data)
        byte = char(generator.bounded(256));
    return data;
}

struct Upload
{
    CURLcode code = CURLE_OK;
    long response = 0;
};

// The manager's upload: a libcurl FTP put. It blocks while the stand-in needs the test's
// event loop to serve it, so it runs on a thread of its own; its time-out bounds the wait.
Upload put(const QByteArray& url, const QByteArray& data, const QByteArray& userPassword = {},
           bool epsv = true)
{
    std::future<Upload> pending = std::async(std::launch::async, [&] {
        FILE* source = fmemopen(const_cast<char*>(data.constData()), size_t(data.size()), "rb");
        CURL* curl = curl_easy_init();
        curl_easy_setopt(curl, CURLOPT_URL, url.constData());
        curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(curl, CURLOPT_READDATA, source);
        curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(data.size()));
        curl_easy_setopt(curl, CURLOPT_FTP_USE_EPSV, epsv ? 1L : 0L);
        if (!userPassword.isNull()) // null: libcurl's own anonymous login
            curl_easy_setopt(curl, CURLOPT_USERPWD, userPassword.constData());
        curl_easy_setopt(curl, CURLOPT_TIMEOUT, 20L);
        curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
        Upload result{curl_easy_perform(curl)};
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &result.response);
        curl_easy_cleanup(curl);
        fclose(source);
        return result;
    });
    while (pending.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QTest::qWait(10);
    return pending.get();
}

// A client typing FTP commands by hand, to reach what libcurl never sends.
struct RawClient
{
    QTcpSocket control;
    QTcpSocket data;

    bool connectTo(const FtpOptions& options, const FtpStandIn& ftp)
    {
        control.connectToHost(options.address, ftp.serverPort());
        return control.waitForConnected(3000) && command().startsWith("220");
    }

    // Sends a command line (none: only reads) and returns the one-line reply.
    QString command(const QByteArray& line = {})
    {
        if (!line.isNull())
            control.write(line + "\r\n");
        for (int waited = 0; !control.canReadLine() && waited < 3000; waited += 5)
            QTest::qWait(5);
        return QString::fromUtf8(control.readLine()).trimmed();
    }

    // Logs in and opens a passive data connection (EPSV: "(|||port|)").
    bool openData()
    {
        if (!command("USER").startsWith("331") || !command("PASS").startsWith("230"))
            return false;
        const QString reply = command("EPSV");
        data.connectToHost(control.peerAddress(), quint16(reply.section('|', 3, 3).toUInt()));
        return data.waitForConnected(3000);
    }
};

} // namespace

class TestFtpStandIn : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;

    FtpOptions optionsAt(int address)
    {
        FtpOptions options;
        options.address = QHostAddress(QStringLiteral("127.0.43.%1").arg(address));
        options.port = 0;
        options.folder = m_root.filePath(QString::number(address));
        return options;
    }

    static QByteArray url(const FtpStandIn& ftp, const FtpOptions& options, const char* name)
    {
        return "ftp://" + options.address.toString().toLatin1() + ':' +
               QByteArray::number(ftp.serverPort()) + '/' + name;
    }

    static QByteArray contentOf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QStringList filesIn(const FtpOptions& options)
    {
        return QDir(options.folder).entryList(QDir::Files | QDir::Hidden);
    }

private Q_SLOTS:
    void initTestCase() { QCOMPARE(curl_global_init(CURL_GLOBAL_DEFAULT), CURLE_OK); }

    void storesAnAnonymousUploadByteForByte_data()
    {
        QTest::addColumn<int>("address");
        QTest::addColumn<bool>("epsv");
        QTest::addColumn<QByteArray>("userPassword");
        QTest::addColumn<QByteArray>("remoteName");
        QTest::addColumn<QString>("storedName");
        QTest::newRow("EPSV, libcurl's anonymous login")
            << 1 << true << QByteArray() << QByteArray("apl.mot") << "apl.mot";
        QTest::newRow("PASV, empty user name and password, name in capitals")
            << 2 << false << QByteArray(":") << QByteArray("BOOT.MOT") << "boot.mot";
    }

    void storesAnAnonymousUploadByteForByte()
    {
        QFETCH(int, address);
        QFETCH(bool, epsv);
        QFETCH(QByteArray, userPassword);
        QFETCH(QByteArray, remoteName);
        QFETCH(QString, storedName);
        const FtpOptions options = optionsAt(address);
        FtpStandIn ftp(options);
        QVERIFY2(ftp.start(), qPrintable(ftp.errorString()));
        QSignalSpy completed(&ftp, &FtpStandIn::uploadCompleted);
        // Larger than the data socket's read buffer, so that flow control comes into play.
        const QByteArray image = firmwareImage(700 * 1024 + 17);
        const Upload done =
            put(url(ftp, options, remoteName.constData()), image, userPassword, epsv);
        QCOMPARE(done.code, CURLE_OK);
        QCOMPARE(done.response, 226L);
        const QString path = QDir(options.folder).filePath(storedName);
        QCOMPARE(filesIn(options), QStringList{storedName});
        QCOMPARE(contentOf(path), image);
        QCOMPARE(completed.size(), 1);
        QCOMPARE(completed.at(0), (QVariantList{storedName, image.size(), path}));
    }

    void refusesWrongNamesAndOversizeUploadsKeepingThePreviousFile()
    {
        FtpOptions options = optionsAt(4);
        options.maxUploadBytes = 200 * 1024;
        FtpStandIn ftp(options);
        QVERIFY2(ftp.start(), qPrintable(ftp.errorString()));
        QSignalSpy completed(&ftp, &FtpStandIn::uploadCompleted);
        const QByteArray atTheLimit = firmwareImage(options.maxUploadBytes);
        QCOMPARE(put(url(ftp, options, "apl.mot"), atTheLimit).code, CURLE_OK);
        QVERIFY(put(url(ftp, options, "apl.mot"), firmwareImage(options.maxUploadBytes + 1)).code !=
                CURLE_OK);
        QCOMPARE(put(url(ftp, options, "firmware.mot"), firmwareImage(1000)).response, 553L);
        // No temporary file left behind either.
        QCOMPARE(filesIn(options), QStringList{"apl.mot"});
        QCOMPARE(contentOf(QDir(options.folder).filePath("apl.mot")), atTheLimit);
        QCOMPARE(completed.size(), 1);
    }

    void discardsCutShortUploadsAndEndlessLines()
    {
        const FtpOptions options = optionsAt(6);
        FtpStandIn ftp(options);
        QVERIFY2(ftp.start(), qPrintable(ftp.errorString()));
        QSignalSpy completed(&ftp, &FtpStandIn::uploadCompleted);
        RawClient client;
        QVERIFY(client.connectTo(options, ftp));
        QVERIFY(client.openData());
        QVERIFY(client.command("STOR boot.mot").startsWith("150 "));
        client.data.write(firmwareImage(5000));
        QVERIFY(client.data.waitForBytesWritten(3000));
        QTest::qWait(100); // let the stand-in take the bytes in
        client.control.abort();
        QTRY_COMPARE_WITH_TIMEOUT(client.data.state(), QAbstractSocket::UnconnectedState, 3000);
        QCOMPARE(filesIn(options), QStringList());
        QCOMPARE(completed.size(), 0);
        // Nor does a client that never ends its line make it grow without bound.
        RawClient flooder;
        QVERIFY(flooder.connectTo(options, ftp));
        flooder.control.write(QByteArray(4096, 'A'));
        QVERIFY(flooder.command().startsWith("500 "));
        QTRY_COMPARE_WITH_TIMEOUT(flooder.control.state(), QAbstractSocket::UnconnectedState, 3000);
    }
};

CVO_TEST_MAIN_NO_GUI(TestFtpStandIn)
#include "tst_ftpstandin.moc"
