#include "MachineStandIn.h"

#include <QDebug>
#include <QSocketNotifier>
#include <QTextCodec>

#include <cerrno>
#include <unistd.h>

namespace {

// Requests beyond this many unanswered ones are dropped, as a controller's queue overflows.
constexpr int kMaxPendingReplies = 64;
// Replies that the terminal cannot take (nobody reading the port) are kept up to this size.
constexpr qsizetype kMaxOutBuffer = 64 * 1024;
// What a line glitch looks like on the wire: a break read as NUL, then a framing error.
const QByteArray kJunk("\x00\xff", 2);

} // namespace

MachineStandIn::MachineStandIn(const MachineOptions& options, QObject* parent)
    : QObject(parent), m_options(options), m_gapTimer(this), m_replyTimer(this)
{
    // The timers are children so that moveToThread() takes them along.
    setFaults(options.faults);
    m_gapTimer.setSingleShot(true);
    m_replyTimer.setSingleShot(true);
    connect(&m_gapTimer, &QTimer::timeout, this, [this] { m_reader.reset(); });
    connect(&m_replyTimer, &QTimer::timeout, this, &MachineStandIn::sendDueReplies);
}

MachineStandIn::~MachineStandIn()
{
    stop();
}

bool MachineStandIn::start()
{
    if (isRunning())
        return true;
    m_codec = QTextCodec::codecForName("Shift-JIS");
    if (!m_codec) {
        m_error = QStringLiteral("no Shift-JIS text codec");
        return false;
    }
    m_table = MachineTable::builtIn();
    if (!m_options.tablePath.isEmpty() && !m_table.load(m_options.tablePath)) {
        m_error = m_table.errorString();
        return false;
    }
    if (!m_terminal.open() ||
        (!m_options.linkPath.isEmpty() && !m_terminal.publishLink(m_options.linkPath))) {
        m_error = m_terminal.errorString();
        m_terminal.close();
        return false;
    }
    m_reader = MachineRequestReader();
    m_clock.start();
    m_readNotifier = new QSocketNotifier(m_terminal.masterFd(), QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &MachineStandIn::readRequests);
    m_writeNotifier = new QSocketNotifier(m_terminal.masterFd(), QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &MachineStandIn::flushOut);
    qDebug().noquote() << "MachineStandIn: serving" << m_terminal.slavePath()
                       << (linkPath().isEmpty() ? QString() : "via " + linkPath());
    return true;
}

void MachineStandIn::stop()
{
    delete m_readNotifier;
    delete m_writeNotifier;
    m_readNotifier = nullptr;
    m_writeNotifier = nullptr;
    m_gapTimer.stop();
    m_replyTimer.stop();
    m_pending.clear();
    m_outBuffer.clear();
    m_terminal.close();
}

void MachineStandIn::setFaults(const MachineFaults& faults)
{
    m_silent = faults.silent;
    m_badBcc = faults.badBcc;
    m_junkBeforeStx = faults.junkBeforeStx;
}

MachineFaults MachineStandIn::faults() const
{
    return {m_silent, m_badBcc, m_junkBeforeStx};
}

QByteArray MachineStandIn::replyFrame(const QByteArray& id, const QByteArray& encodedText)
{
    QByteArray frame;
    frame.reserve(id.size() + encodedText.size() + 3);
    frame.append(kStx).append(id).append(encodedText).append(kEtx);
    frame.append(char(bcc(frame.mid(1))));
    return frame;
}

quint8 MachineStandIn::bcc(const QByteArray& bytesAfterStx)
{
    quint8 sum = 0;
    for (const char byte : bytesAfterStx)
        sum ^= quint8(byte);
    return sum;
}

void MachineStandIn::readRequests()
{
    char chunk[512];
    for (;;) {
        const ssize_t count = ::read(m_terminal.masterFd(), chunk, sizeof chunk);
        if (count > 0) {
            for (const QByteArray& id : m_reader.feed(QByteArray(chunk, count)))
                answer(id);
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            // We hold the slave side open, so this is the terminal itself failing.
            qWarning().noquote() << "MachineStandIn: read failed, no longer serving:"
                                 << qt_error_string(errno);
            m_readNotifier->setEnabled(false);
        }
        break;
    }
    if (m_reader.inRequest())
        m_gapTimer.start(m_options.requestGapMs);
    else
        m_gapTimer.stop();
}

void MachineStandIn::answer(const QByteArray& id)
{
    notify(MachineFrameDirection::Request,
           MachineRequestReader::kEot + id + MachineRequestReader::kEnq);
    if (m_silent)
        return;
    if (m_pending.size() >= kMaxPendingReplies) {
        qWarning() << "MachineStandIn: too many unanswered requests, dropping" << id;
        return;
    }
    m_pending.enqueue({m_clock.elapsed() + qMax(0, m_options.replyDelayMs), buildReply(id)});
    if (!m_replyTimer.isActive())
        m_replyTimer.start(int(qMax<qint64>(0, m_pending.head().dueMs - m_clock.elapsed())));
}

QByteArray MachineStandIn::buildReply(const QByteArray& id) const
{
    // The echo fills as many bytes as the id sent; the manager skips exactly that many.
    QByteArray frame = replyFrame(id, m_codec->fromUnicode(m_table.reply(id)));
    if (m_badBcc)
        frame.back() = char(frame.back() ^ 0xff);
    if (m_junkBeforeStx)
        frame.prepend(kJunk);
    return frame;
}

void MachineStandIn::sendDueReplies()
{
    const qint64 now = m_clock.elapsed();
    while (!m_pending.isEmpty() && m_pending.head().dueMs <= now) {
        const QByteArray frame = m_pending.dequeue().frame;
        notify(MachineFrameDirection::Reply, frame);
        writeOut(frame);
    }
    if (!m_pending.isEmpty())
        m_replyTimer.start(int(m_pending.head().dueMs - now));
}

void MachineStandIn::writeOut(const QByteArray& bytes)
{
    if (m_outBuffer.size() + bytes.size() > kMaxOutBuffer) {
        qWarning() << "MachineStandIn: nobody reads the port, dropping a reply of" << bytes.size()
                   << "bytes";
        return;
    }
    m_outBuffer.append(bytes);
    flushOut();
}

void MachineStandIn::flushOut()
{
    while (!m_outBuffer.isEmpty()) {
        const ssize_t written =
            ::write(m_terminal.masterFd(), m_outBuffer.constData(), size_t(m_outBuffer.size()));
        if (written > 0) {
            m_outBuffer.remove(0, written);
            continue;
        }
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            qWarning().noquote() << "MachineStandIn: write failed:" << qt_error_string(errno);
            m_outBuffer.clear();
        }
        break;
    }
    if (m_writeNotifier)
        m_writeNotifier->setEnabled(!m_outBuffer.isEmpty());
}

void MachineStandIn::notify(MachineFrameDirection direction, const QByteArray& frame) const
{
    if (m_options.frameHook)
        m_options.frameHook(direction, frame);
}
