#pragma once

// A full disk, imitated by the process's file size limit: a write past `bytes` into any
// file fails (EFBIG, with SIGXFSZ ignored). Unlike a read-only folder, it stops root too.

#include <QtGlobal>

#include <csignal>
#include <sys/resource.h>

class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes) : m_handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_original);
        rlimit tight = m_original;
        tight.rlim_cur = rlim_t(bytes);
        setrlimit(RLIMIT_FSIZE, &tight);
    }
    ~FileSizeLimit() { lift(); }

    // Space returns.
    void lift()
    {
        setrlimit(RLIMIT_FSIZE, &m_original);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_original{};
    void (*m_handler)(int);
};
