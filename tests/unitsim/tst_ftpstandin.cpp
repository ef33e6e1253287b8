#include "FtpStandIn.h"
#include "TestMain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <curl/curl.h>

#include <atomic>
#include <cstring>
#include <thread>

namespace {

QHostAddress testAddress(int n)
{
    return QHostAddress(QStringLiteral("127.0.43.%1").arg(n));
}

QByteArray firmwareImage(qsizetype size)
{
    QByteArray data(size, Qt::Uninitialized);
    QRandomGenerator generator(size);
    for (char& byte : data)
        byte = char(generator.bounded(256));
    return data;
}

// The manager's upload: a libcurl FTP put, run off the test's thread because it blocks
// while the stand-in needs the test's event loop to serve it.
class CurlUpload
{
public:
    struct Request
    {
        QByteArray url;
        QByteArray data;
        QByteArray userPassword; // null: libcurl's own anonymous login
        bool epsv = true;
    };

    explicit CurlUpload(Request request) : m_request(std::move(request))
    {
        m_thread = std::thread([this] { run(); });
    }
    ~CurlUpload() { m_thread.join(); }

    bool done() const { return m_done; }
    CURLcode code() const { return m_code; }
    long response() const { return m_response; }

private:
    static size_t readChunk(char* buffer, size_t size, size_t count, void* user)
    {
        auto* self = static_cast<CurlUpload*>(user);
        const size_t left = size_t(self->m_request.data.size()) - self->m_sent;
        const size_t chunk = std::min(left, size * count);
        std::memcpy(buffer, self->m_request.data.constData() + self->m_sent, chunk);
        self->m_sent += chunk;
        return chunk;
    }

    void run()
    {
        CURL* curl = curl_easy_init();
        curl_easy_setopt(curl, CURLOPT_URL, m_request.url.constData());
        curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(curl, CURLOPT_READFUNCTION, &CurlUpload::readChunk);
        curl_easy_setopt(curl, CURLOPT_READDATA, this);
        curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(m_request.data.size()));
        curl_easy_setopt(curl, CURLOPT_FTP_USE_EPSV, m_request.epsv ? 1L : 0L);
        if (!m_request.userPassword.isNull())
            curl_easy_setopt(curl, CURLOPT_USERPWD, m_request.userPassword.constData());
        curl_easy_setopt(curl, CURLOPT_TIMEOUT, 20L);
        curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
        m_code = curl_easy_perform(curl);
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &m_response);
        curl_easy_cleanup(curl);
        m_done = true;
    }

    Request m_request;
    size_t m_sent = 0;
    CURLcode m_code = CURLE_OK;
    long m_response = 0;
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};

// A client typing FTP commands by hand, to reach what libcurl never sends.
class RawClient
{
public:
    bool connectTo(const QHostAddress& address, quint16 port)
    {
        m_socket.connectToHost(address, port);
        return m_socket.waitForConnected(3000) && !nextReply().isEmpty();
    }

    // Sends a command line and returns the one-line reply to it.
    QString command(const QByteArray& line)
    {
        m_socket.write(line + "\r\n");
        return nextReply();
    }

    QString nextReply()
    {
        QElapsedTimer waited;
        waited.start();
        while (!m_socket.canReadLine() && waited.elapsed() < 3000)
            QTest::qWait(5);
        return QString::fromUtf8(m_socket.readLine()).trimmed();
    }

    // Asks for a passive data connection (PASV or EPSV) and opens it.
    bool openData(const QByteArray& command, QTcpSocket& data)
    {
        const QString reply = this->command(command);
        const QStringList numbers =
            reply.section(QLatin1Char('('), 1)
                .split(QRegularExpression(QStringLiteral("\\D+")), Qt::SkipEmptyParts);
        if (numbers.size() != 1 && numbers.size() != 6)
            return false;
        // PASV gives the port as its last two bytes, EPSV as one number.
        const quint16 port = numbers.size() == 1
                                 ? quint16(numbers.at(0).toUInt())
                                 : quint16(numbers.at(4).toUInt() * 256 + numbers.at(5).toUInt());
        data.connectToHost(m_socket.peerAddress(), port);
        return data.waitForConnected(3000);
    }

    QTcpSocket& socket() { return m_socket; }

private:
    QTcpSocket m_socket;
};

} // namespace

class TestFtpStandIn : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;
    int m_folders = 0;

    FtpOptions optionsAt(int address)
    {
        FtpOptions options;
        options.address = testAddress(address);
        options.port = 0;
        options.folder = m_root.filePath(QStringLiteral("unit%1").arg(++m_folders));
        return options;
    }

    static QByteArray urlFor(const FtpStandIn& ftp, const FtpOptions& options, const char* name)
    {
        return QStringLiteral("ftp://%1:%2/%3")
            .arg(options.address.toString())
            .arg(ftp.serverPort())
            .arg(QLatin1String(name))
            .toLatin1();
    }

    static QByteArray contentOf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QStringList filesIn(const QString& folder)
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden);
    }

private Q_SLOTS:
    void initTestCase() { QCOMPARE(curl_global_init(CURL_GLOBAL_DEFAULT), CURLE_OK); }
    void cleanupTestCase() { curl_global_cleanup(); }

    void storesAnAnonymousUploadInPassiveMode_data()
    {
        QTest::addColumn<int>("address");
        QTest::addColumn<bool>("epsv");
        QTest::addColumn<QByteArray>("userPassword");
        QTest::addColumn<QByteArray>("remoteName");
        QTest::addColumn<QString>("storedName");
        QTest::addColumn<QString>("userLine");
        QTest::newRow("EPSV, libcurl's anonymous login")
            << 1 << true << QByteArray() << QByteArray("apl.mot") << "apl.mot"
            << "<< USER anonymous";
        QTest::newRow("PASV, empty user name and password")
            << 2 << false << QByteArray(":") << QByteArray("boot.mot") << "boot.mot"
            << "<< USER ";
        QTest::newRow("name in capitals")
            << 3 << true << QByteArray("anonymous:") << QByteArray("BOOT.MOT") << "boot.mot"
            << "<< USER anonymous";
    }

    void storesAnAnonymousUploadInPassiveMode()
    {
        QFETCH(int, address);
        QFETCH(bool, epsv);
        QFETCH(QByteArray, userPassword);
        QFETCH(QByteArray, remoteName);
        QFETCH(QString, storedName);
        QFETCH(QString, userLine);
        QStringList log;
        FtpOptions options = optionsAt(address);
        options.commandLog = [&log](const QString& line) { log.append(line); };
        FtpStandIn ftp(options);
        QVERIFY2(ftp.start(), qPrintable(ftp.errorString()));
        QSignalSpy completed(&ftp, &FtpStandIn::uploadCompleted);

        // Larger than the data socket's read buffer, so that flow control comes into play.
        const QByteArray image = firmwareImage(700 * 1024 + 17);
        CurlUpload upload(
            {urlFor(ftp, options, remoteName.constData()), image, userPassword, epsv});
        QTRY_VERIFY_WITH_TIMEOUT(upload.done(), 30000);

        QCOMPARE(upload.code(), CURLE_OK);
        QCOMPARE(upload.response(), 226L);
        QVERIFY(log.contains(userLine));
        QVERIFY(log.contains(epsv ? "<< EPSV" : "<< PASV"));
        const QString path = QDir(options.folder).filePath(storedName);
        QCOMPARE(filesIn(options.folder), QStringList{storedName});
        QCOMPARE(contentOf(path), image);
        QCOMPARE(completed.size(), 1);
        QCOMPARE(completed.at(0).at(0).toString(), storedName);
        QCOMPARE(completed.at(0).at(1).toLongLong(), image.size());
        QCOMPARE(completed.at(0).at(2).toString(), path);
        QCOMPARE(ftp.lastUpload().fileName, storedName);
        QCOMPARE(ftp.lastUpload().size, image.size());
    }

    void refusesWrongNamesAndOversizeUploadsKeepingThePreviousFile()
    {
        FtpOptions options = optionsAt(4);
        options.maxUploadBytes = 200 * 1024;
        FtpStandIn ftp(options);
        QVERIFY2(ftp.start(), qPrintable(ftp.errorString()));
        QSignalSpy completed(&ftp, &FtpStandIn::uploadCompleted);
        const auto put = [&](const char* name, const QByteArray& data) {
            CurlUpload upload({urlFor(ftp, options, name), data, {}, true});
            QElapsedTimer waited;
            waited.start();
            while (!upload.done() && waited.elapsed() < 30000)
                QTest::qWait(10);
            return upload.done() ? std::pair(upload.code(), upload.response())
                                 : std::pair(CURLE_OPERATION_TIMEDOUT, 0L);
        };

        const QByteArray atTheLimit = firmwareImage(options.maxUploadBytes);
        QCOMPARE(put("apl.mot", atTheLimit).first, CURLE_OK);
        QVERIFY(put("apl.mot", firmwareImage(options.maxUploadBytes + 1)).first != CURLE_OK);
        QCOMPARE(put("firmware.mot", firmwareImage(1000)), std::pair(CURLE_UPLOAD_FAILED, 553L));

        // No temporary file left behind either.
        QCOMPARE(filesIn(options.folder), QStringList{"apl.mot"});
        QCOMPARE(contentOf(QDir(options.folder).filePath("apl.mot")), atTheLimit);
        QCOMPARE(completed.size(), 1);
    }

    void answersCommandsInTheirPlace()
    {
        const FtpOptions options = optionsAt(5);
        FtpStandIn ftp(options);
        QVERIFY2(ftp.start(), qPrintable(ftp.errorString()));
        RawClient client;
        QVERIFY(client.connectTo(options.address, ftp.serverPort()));

        QVERIFY(client.command("PWD").startsWith("530 "));
        QVERIFY(client.command("PASS x").startsWith("503 "));
        QVERIFY(client.command("USER service").startsWith("530 "));
        QVERIFY(client.command("PASS secret").startsWith("503 "));
        QVERIFY(client.command("USER").startsWith("331 "));
        QVERIFY(client.command("PASS").startsWith("230 "));
        QVERIFY(client.command("PWD").startsWith("257 \"/\""));
        QVERIFY(client.command("CWD /firmware").startsWith("550 "));
        QVERIFY(client.command("TYPE X").startsWith("504 "));
        QVERIFY(client.command("TYPE I").startsWith("200 "));
        QVERIFY(client.command("PORT 127,0,0,1,4,1").startsWith("502 "));
        QVERIFY(client.command("RETR apl.mot").startsWith("502 "));
        QVERIFY(client.command("STOR apl.mot").startsWith("425 "));
        QVERIFY(client.command("SIZE apl.mot").startsWith("550 "));

        QTcpSocket data;
        QVERIFY(client.openData("PASV", data));
        QVERIFY(client.command("STOR /apl.mot").startsWith("150 "));
        QVERIFY(client.command("CWD /").startsWith("450 "));
        data.write("S00600004844521B\r\n");
        data.disconnectFromHost();
        QVERIFY(client.nextReply().startsWith("226 "));
        QCOMPARE(client.command("SIZE /apl.mot"), QStringLiteral("213 18"));

        QCOMPARE(client.command("QUIT"), QStringLiteral("221 Goodbye."));
        QTRY_COMPARE_WITH_TIMEOUT(client.socket().state(), QAbstractSocket::UnconnectedState, 3000);

        // A client that never ends its line is cut off.
        RawClient flooder;
        QVERIFY(flooder.connectTo(options.address, ftp.serverPort()));
        flooder.socket().write(QByteArray(4096, 'A'));
        QVERIFY(flooder.nextReply().startsWith("500 "));
        QTRY_COMPARE_WITH_TIMEOUT(flooder.socket().state(), QAbstractSocket::UnconnectedState,
                                  3000);
    }

    void discardsAnUploadCutShortByTheClientLeaving()
    {
        const FtpOptions options = optionsAt(6);
        FtpStandIn ftp(options);
        QVERIFY2(ftp.start(), qPrintable(ftp.errorString()));
        QSignalSpy completed(&ftp, &FtpStandIn::uploadCompleted);
        RawClient client;
        QVERIFY(client.connectTo(options.address, ftp.serverPort()));
        QVERIFY(client.command("USER anonymous").startsWith("331 "));
        QVERIFY(client.command("PASS guest@").startsWith("230 "));
        QTcpSocket data;
        QVERIFY(client.openData("EPSV", data));
        QVERIFY(client.command("STOR boot.mot").startsWith("150 "));
        data.write(firmwareImage(5000));
        QVERIFY(data.waitForBytesWritten(3000));
        QTest::qWait(100); // let the stand-in take the bytes in

        client.socket().abort();
        QTRY_COMPARE_WITH_TIMEOUT(data.state(), QAbstractSocket::UnconnectedState, 3000);
        QCOMPARE(filesIn(options.folder), QStringList());
        QCOMPARE(completed.size(), 0);
    }

    void stopsFromInsideItsOwnUploadSignal()
    {
        const FtpOptions options = optionsAt(7);
        FtpStandIn ftp(options);
        QVERIFY2(ftp.start(), qPrintable(ftp.errorString()));
        // The unit stops serving once it has its firmware, while the session is still busy.
        connect(&ftp, &FtpStandIn::uploadCompleted, &ftp, [&ftp] { ftp.stop(); });
        const quint16 port = ftp.serverPort();
        RawClient client;
        QVERIFY(client.connectTo(options.address, port));
        QVERIFY(client.command("USER").startsWith("331 "));
        QVERIFY(client.command("PASS").startsWith("230 "));
        QTcpSocket data;
        QVERIFY(client.openData("EPSV", data));
        QVERIFY(client.command("STOR apl.mot").startsWith("150 "));
        data.write("S9030000FC\r\n");
        data.disconnectFromHost();

        QTRY_COMPARE_WITH_TIMEOUT(client.socket().state(), QAbstractSocket::UnconnectedState, 3000);
        QVERIFY(!ftp.isListening());
        QCOMPARE(ftp.lastUpload().size, 12);
        QTcpSocket late;
        late.connectToHost(options.address, port);
        QVERIFY(!late.waitForConnected(1000));
    }
};

CVO_TEST_MAIN_NO_GUI(TestFtpStandIn)
#include "tst_ftpstandin.moc"
