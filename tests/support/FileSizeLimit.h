#pragma once

// A full disk, imitated by the process's file size limit: any write past `bytes` into any
// file fails with EFBIG instead of raising SIGXFSZ. Unlike a read-only folder, root cannot
// write past it either. The limit and the signal's handler come back on destruction.

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
        m_active = setrlimit(RLIMIT_FSIZE, &tight) == 0;
    }
    ~FileSizeLimit() { lift(); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // Space returns before the end of the scope.
    void lift()
    {
        if (m_active)
            setrlimit(RLIMIT_FSIZE, &m_original);
        if (m_handler != SIG_ERR)
            std::signal(SIGXFSZ, m_handler);
        m_active = false;
        m_handler = SIG_ERR;
    }
    bool isActive() const { return m_active; }

private:
    rlimit m_original{};
    void (*m_handler)(int);
    bool m_active = false;
};
