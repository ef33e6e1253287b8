#include "TcpKeepAlive.h"

#ifdef Q_OS_WIN
#include <mstcpip.h>
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <cerrno>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#endif

#ifdef Q_OS_WIN

namespace {

// The give-up options take whole seconds; request the nearest value, at least one second.
int toWholeSeconds(int ms)
{
    return qMax(1, (ms + 500) / 1000);
}

} // namespace

bool enableTcpKeepAlive(qintptr socketDescriptor, int idleMs, int intervalMs, int giveUpMs,
                        QString* report)
{
    tcp_keepalive values{};
    values.onoff = 1;
    values.keepalivetime = static_cast<ULONG>(idleMs);
    values.keepaliveinterval = static_cast<ULONG>(intervalMs);
    DWORD returned = 0;
    const int rc = WSAIoctl(static_cast<SOCKET>(socketDescriptor), SIO_KEEPALIVE_VALS, &values,
                            sizeof(values), nullptr, 0, &returned, nullptr, nullptr);
    if (rc != 0) {
        if (report)
            *report = QStringLiteral("WSAIoctl(SIO_KEEPALIVE_VALS) is failed. LastError=%1")
                          .arg(WSAGetLastError());
        return false;
    }
    // Keep-alive probes stop while data waits for its acknowledgement, and the 0x2A byte
    // always leaves some waiting: only a bounded retransmission notices a pulled cable.
    const DWORD giveUp = static_cast<DWORD>(toWholeSeconds(giveUpMs));
    if (setsockopt(static_cast<SOCKET>(socketDescriptor), IPPROTO_TCP, TCP_MAXRT,
                   reinterpret_cast<const char*>(&giveUp), sizeof(giveUp)) != 0) {
        if (report)
            *report = QStringLiteral("setsockopt(TCP_MAXRT) is failed. LastError=%1")
                          .arg(WSAGetLastError());
        return false;
    }
    if (report)
        *report = QStringLiteral("TCP keep-alive on: idle %1 ms, interval %2 ms, "
                                 "give up after %3 s unacknowledged")
                      .arg(idleMs)
                      .arg(intervalMs)
                      .arg(giveUp);
    return true;
}

#else

namespace {

// The POSIX options take whole seconds; request the nearest value, at least one second.
int toWholeSeconds(int ms)
{
    return qMax(1, (ms + 500) / 1000);
}

// Windows sends ten probes before it gives up; keep the same count here.
constexpr int ProbeCount = 10;

bool setOption(int fd, int level, int name, int value, const char* label, QString* report)
{
    if (setsockopt(fd, level, name, &value, sizeof(value)) == 0)
        return true;
    if (report)
        *report = QStringLiteral("setsockopt(%1) is failed. LastError=%2")
                      .arg(QLatin1String(label))
                      .arg(errno);
    return false;
}

} // namespace

bool enableTcpKeepAlive(qintptr socketDescriptor, int idleMs, int intervalMs, int giveUpMs,
                        QString* report)
{
    const int fd = static_cast<int>(socketDescriptor);
    const int idle = toWholeSeconds(idleMs);
    const int interval = toWholeSeconds(intervalMs);
    if (!setOption(fd, SOL_SOCKET, SO_KEEPALIVE, 1, "SO_KEEPALIVE", report))
        return false;
#ifdef TCP_KEEPIDLE
    if (!setOption(fd, IPPROTO_TCP, TCP_KEEPIDLE, idle, "TCP_KEEPIDLE", report))
        return false;
#elif defined(TCP_KEEPALIVE)
    if (!setOption(fd, IPPROTO_TCP, TCP_KEEPALIVE, idle, "TCP_KEEPALIVE", report))
        return false;
#endif
    if (!setOption(fd, IPPROTO_TCP, TCP_KEEPINTVL, interval, "TCP_KEEPINTVL", report))
        return false;
    if (!setOption(fd, IPPROTO_TCP, TCP_KEEPCNT, ProbeCount, "TCP_KEEPCNT", report))
        return false;
#ifdef TCP_USER_TIMEOUT
    // Keep-alive probes stop while data waits for its acknowledgement, and the 0x2A byte
    // always leaves some waiting: without this bound a pulled cable shows only when the
    // retransmissions give up, after about 15 minutes.
    if (!setOption(fd, IPPROTO_TCP, TCP_USER_TIMEOUT, giveUpMs, "TCP_USER_TIMEOUT", report))
        return false;
#endif
    if (report)
        *report = QStringLiteral("TCP keep-alive on: idle %1 s, interval %2 s, %3 probes "
                                 "(requested %4 ms / %5 ms), give up after %6 ms unacknowledged")
                      .arg(idle)
                      .arg(interval)
                      .arg(ProbeCount)
                      .arg(idleMs)
                      .arg(intervalMs)
                      .arg(giveUpMs);
    return true;
}

#endif
