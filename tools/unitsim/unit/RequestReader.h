#pragma once

#include <QByteArray>
#include <QtGlobal>

// Cuts the byte stream of one control connection into request frames. The manager's
// frame receiver knows only the packet types the unit sends, so the unit needs its own.
class RequestReader
{
public:
    // Longest request the command set produces is a waveform chunk (807); anything
    // much longer is not a request of ours, and waiting for it would hang the session.
    static constexpr int MaxLength = 1024;

    enum class Result
    {
        NeedMore,
        Request,
        // A frame with a wrong start byte, an impossible length or a wrong BCC. The
        // frame (or, without a usable header, everything buffered) is dropped.
        BadFrame
    };

    struct Request
    {
        quint8 type = 0;
        QByteArray payload;
        QByteArray frame; // as received, for the log
    };

    void append(const QByteArray& bytes) { m_buffer += bytes; }
    Result next(Request* request);
    qsizetype bufferedBytes() const { return m_buffer.size(); }

private:
    QByteArray m_buffer;
};
