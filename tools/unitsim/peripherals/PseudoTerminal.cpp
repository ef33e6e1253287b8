#include "PseudoTerminal.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

PseudoTerminal::~PseudoTerminal()
{
    close();
}

bool PseudoTerminal::open()
{
    close();
    if (openPair())
        return true;
    const QString error = m_error;
    close();
    m_error = error;
    return false;
}

bool PseudoTerminal::openPair()
{
    m_masterFd = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_masterFd < 0)
        return fail(QStringLiteral("posix_openpt"));
    if (::grantpt(m_masterFd) != 0 || ::unlockpt(m_masterFd) != 0)
        return fail(QStringLiteral("grantpt/unlockpt"));
    char name[128] = {};
    if (::ptsname_r(m_masterFd, name, sizeof name) != 0)
        return fail(QStringLiteral("ptsname"));
    m_slavePath = QString::fromLocal8Bit(name);

    m_slaveFd = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_slaveFd < 0)
        return fail(QStringLiteral("open %1").arg(m_slavePath));
    termios tio{};
    if (::tcgetattr(m_slaveFd, &tio) != 0)
        return fail(QStringLiteral("tcgetattr"));
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B9600);
    ::cfsetospeed(&tio, B9600);
    if (::tcsetattr(m_slaveFd, TCSANOW, &tio) != 0)
        return fail(QStringLiteral("tcsetattr"));

    const int flags = ::fcntl(m_masterFd, F_GETFL);
    if (flags < 0 || ::fcntl(m_masterFd, F_SETFL, flags | O_NONBLOCK) != 0)
        return fail(QStringLiteral("fcntl O_NONBLOCK"));
    ::fcntl(m_masterFd, F_SETFD, FD_CLOEXEC);
    m_error.clear();
    return true;
}

void PseudoTerminal::close()
{
    removeLink();
    if (m_slaveFd >= 0)
        ::close(m_slaveFd);
    if (m_masterFd >= 0)
        ::close(m_masterFd);
    m_slaveFd = -1;
    m_masterFd = -1;
    m_slavePath.clear();
}

bool PseudoTerminal::publishLink(const QString& linkPath)
{
    if (!isOpen()) {
        m_error = QStringLiteral("no pseudo-terminal to link to");
        return false;
    }
    const QFileInfo existing(linkPath);
    if (existing.exists() && !existing.isSymLink()) {
        m_error = QStringLiteral("%1 exists and is not a symlink; not replacing it").arg(linkPath);
        return false;
    }
    // Link under a temporary name and rename over the old one, so that a manager
    // polling the path never sees it missing or half made.
    const QByteArray target = QFile::encodeName(linkPath);
    const QByteArray temporary = target + ".new" + QByteArray::number(::getpid());
    ::unlink(temporary.constData());
    if (::symlink(QFile::encodeName(m_slavePath).constData(), temporary.constData()) != 0)
        return fail(QStringLiteral("symlink %1").arg(linkPath));
    if (::rename(temporary.constData(), target.constData()) != 0) {
        const bool failed = fail(QStringLiteral("rename to %1").arg(linkPath));
        ::unlink(temporary.constData());
        return failed;
    }
    m_linkPath = linkPath;
    return true;
}

void PseudoTerminal::removeLink()
{
    if (m_linkPath.isEmpty())
        return;
    // Another simulator may have taken the path over since; its link is not ours to remove.
    if (QFileInfo(m_linkPath).symLinkTarget() == QFileInfo(m_slavePath).absoluteFilePath())
        QFile::remove(m_linkPath);
    m_linkPath.clear();
}

bool PseudoTerminal::fail(const QString& what)
{
    m_error = QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(std::strerror(errno)));
    return false;
}
