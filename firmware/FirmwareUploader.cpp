#include "FirmwareUploader.h"

#include <QDebug>
#include <QFileInfo>

#include <curl/curl.h>

#include <cstring>
#include <memory>
#include <mutex>

namespace {

using Clock = std::chrono::steady_clock;

// How often the transfer thread looks at cancellation and inactivity while idle.
constexpr int PollMs = 50;

void initialiseCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

} // namespace

// What the transfer thread owns while it runs.
struct FirmwareUploader::Transfer
{
    quint64 run = 0;
    QByteArray url;
    QByteArray image;
    qsizetype offset = 0;
    int inactivityMs = 0;
    FirmwareUploader* owner = nullptr;
    curl_off_t lastSent = -1;
    Clock::time_point lastProgress;
    char error[CURL_ERROR_SIZE] = {};

    static size_t read(char* buffer, size_t size, size_t count, void* self)
    {
        auto* t = static_cast<Transfer*>(self);
        const size_t chunk = qMin(size * count, size_t(t->image.size() - t->offset));
        std::memcpy(buffer, t->image.constData() + t->offset, chunk);
        t->offset += qsizetype(chunk);
        return chunk;
    }

    static int progress(void* self, curl_off_t, curl_off_t, curl_off_t total, curl_off_t sent)
    {
        auto* t = static_cast<Transfer*>(self);
        if (sent != t->lastSent && total > 0) {
            t->lastSent = sent;
            t->lastProgress = Clock::now();
            FirmwareUploader* owner = t->owner;
            t->owner->deliver(t->run, [owner, sent, total] {
                Q_EMIT owner->progress(qint64(sent), qint64(total));
            });
        }
        return 0;
    }
};

FirmwareUploader::FirmwareUploader(QObject* parent) : QObject(parent)
{
    initialiseCurlOnce();
}

FirmwareUploader::~FirmwareUploader()
{
    cancel();
}

QString FirmwareUploader::targetFileName(const QString& localPath)
{
    const bool boot =
        QFileInfo(localPath).baseName().startsWith(QLatin1String("boot"), Qt::CaseInsensitive);
    return boot ? QStringLiteral("boot.mot") : QStringLiteral("apl.mot");
}

bool FirmwareUploader::start(const QString& host, const QString& remoteName,
                             const QByteArray& image)
{
    if (isRunning())
        return false;
    if (m_thread.joinable())
        m_thread.join();
    auto transfer = std::make_unique<Transfer>();
    transfer->run = ++m_run;
    transfer->url = QStringLiteral("ftp://%1:%2/%3").arg(host).arg(m_port).arg(remoteName).toUtf8();
    transfer->image = image;
    transfer->inactivityMs = m_inactivityMs;
    transfer->owner = this;
    m_cancel = false;
    m_busy = true;
    m_thread = std::thread([this, t = transfer.release()] {
        std::unique_ptr<Transfer> owned(t);
        run(owned.get());
    });
    return true;
}

void FirmwareUploader::cancel()
{
    if (m_busy) {
        ++m_run;
        m_cancel = true;
        m_busy = false;
    }
    if (m_thread.joinable())
        m_thread.join();
}

// Posts a report to the GUI thread; it is dropped there when its run was abandoned.
void FirmwareUploader::deliver(quint64 run, std::function<void()> report)
{
    QMetaObject::invokeMethod(
        this,
        [this, run, report = std::move(report)] {
            if (run == m_run)
                report();
        },
        Qt::QueuedConnection);
}

void FirmwareUploader::finishRun(quint64 run, Outcome outcome, const QString& error)
{
    deliver(run, [this, outcome, error] {
        m_busy = false;
        Q_EMIT finished(outcome, error);
    });
}

void FirmwareUploader::run(Transfer* t)
{
    CURL* easy = curl_easy_init();
    CURLM* multi = curl_multi_init();
    if (!easy || !multi) {
        curl_easy_cleanup(easy);
        curl_multi_cleanup(multi);
        finishRun(t->run, Failed, QStringLiteral("libcurl could not be initialised."));
        return;
    }
    curl_easy_setopt(easy, CURLOPT_URL, t->url.constData());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(easy, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(easy, CURLOPT_READFUNCTION, &Transfer::read);
    curl_easy_setopt(easy, CURLOPT_READDATA, t);
    curl_easy_setopt(easy, CURLOPT_INFILESIZE_LARGE, curl_off_t(t->image.size()));
    curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, &Transfer::progress);
    curl_easy_setopt(easy, CURLOPT_XFERINFODATA, t);
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, t->error);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_multi_add_handle(multi, easy);

    t->lastProgress = Clock::now();
    const auto inactivity = std::chrono::milliseconds(t->inactivityMs);
    Outcome outcome = Failed;
    QString error;
    int running = 1;
    while (true) {
        curl_multi_perform(multi, &running);
        if (running == 0)
            break;
        if (m_cancel)
            break;
        if (Clock::now() - t->lastProgress > inactivity) {
            outcome = TimedOut;
            error = QStringLiteral("No progress for %1 ms.").arg(t->inactivityMs);
            break;
        }
        curl_multi_poll(multi, nullptr, 0, PollMs, nullptr);
    }
    if (running == 0) {
        int left = 0;
        const CURLMsg* message = curl_multi_info_read(multi, &left);
        const CURLcode code = message ? message->data.result : CURLE_FAILED_INIT;
        if (code == CURLE_OK) {
            outcome = Succeeded;
        } else {
            error = QString::fromUtf8(t->error[0] ? t->error : curl_easy_strerror(code));
        }
    }
    curl_multi_remove_handle(multi, easy);
    curl_easy_cleanup(easy);
    curl_multi_cleanup(multi);
    if (!m_cancel)
        finishRun(t->run, outcome, error);
}
