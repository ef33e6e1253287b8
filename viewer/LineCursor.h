#pragma once

#include <QByteArrayView>

#include <algorithm>
#include <cstring>

// Walks a file's bytes line by line without copying; a trailing carriage return is
// dropped so that files that passed through another system still read.
class LineCursor
{
public:
    explicit LineCursor(QByteArrayView bytes)
        : m_pos(bytes.data()), m_end(bytes.data() + bytes.size())
    {
    }

    bool atEnd() const { return m_pos >= m_end; }

    // The next line; an empty view at the end.
    QByteArrayView next()
    {
        const char* begin = m_pos;
        const char* newline =
            static_cast<const char*>(std::memchr(begin, '\n', size_t(m_end - begin)));
        const char* end = newline ? newline : m_end;
        m_pos = newline ? newline + 1 : m_end;
        if (end > begin && end[-1] == '\r')
            --end;
        return QByteArrayView(begin, end - begin);
    }

    // False at the end, otherwise the next line.
    bool next(QByteArrayView& line)
    {
        if (atEnd())
            return false;
        line = next();
        return true;
    }

    qsizetype remainingLines() const { return std::count(m_pos, m_end, '\n') + 1; }

private:
    const char* m_pos;
    const char* m_end;
};
