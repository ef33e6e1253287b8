#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <thread>

// Uploads a firmware image to the unit's FTP server (anonymous login, binary STOR) with
// libcurl on a thread of its own, so the GUI thread only receives queued progress and
// the outcome. An upload that makes no progress for the inactivity time is abandoned.
class FirmwareUploader : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 DefaultPort = 21;
    static constexpr int DefaultInactivityMs = 5000;

    enum Outcome
    {
        Succeeded,
        Failed,  // refused connection or login, write refused, connection lost
        TimedOut // no progress for the inactivity time
    };
    Q_ENUM(Outcome)

    explicit FirmwareUploader(QObject* parent = nullptr);
    // Abandons a running upload and waits for its thread.
    ~FirmwareUploader() override;

    // Tests use a server on another port and a shorter inactivity time.
    void setPort(quint16 port) { m_port = port; }
    quint16 port() const { return m_port; }
    void setInactivityTimeout(int ms) { m_inactivityMs = ms; }
    int inactivityTimeout() const { return m_inactivityMs; }

    // The name the unit expects: "boot.mot" for a file whose base name starts with
    // "boot" in any letter case, "apl.mot" for every other file.
    static QString targetFileName(const QString& localPath);

    // Starts sending `image` as `remoteName` to `host` (an IPv4 address in dotted form);
    // false while another upload runs.
    bool start(const QString& host, const QString& remoteName, const QByteArray& image);
    // Abandons a running upload: its connection is closed, and neither progress nor an
    // outcome of it is reported any more.
    void cancel();
    bool isRunning() const { return m_busy; }

Q_SIGNALS:
    void progress(qint64 sent, qint64 total);
    // `error` says what went wrong (empty on success).
    void finished(FirmwareUploader::Outcome outcome, const QString& error);

private:
    struct Transfer;
    void run(Transfer* transfer);
    void deliver(quint64 run, std::function<void()> report);
    void finishRun(quint64 run, Outcome outcome, const QString& error);

    quint16 m_port = DefaultPort;
    int m_inactivityMs = DefaultInactivityMs;
    std::thread m_thread;
    // Cleared when the outcome is handed over. The thread's last steps may still run then;
    // it is joined at the next start or cancel rather than while the GUI thread waits.
    bool m_busy = false;
    std::atomic<bool> m_cancel{false};
    // Reports of an abandoned run still queued for the GUI thread are dropped by number.
    std::atomic<quint64> m_run{0};
};
