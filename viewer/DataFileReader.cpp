#include "DataFileReader.h"

#include <QFile>

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// Walks the file line by line without copying; a trailing carriage return is dropped so
// that files that passed through another system still read.
class LineCursor
{
public:
    explicit LineCursor(QByteArrayView bytes)
        : m_pos(bytes.data()), m_end(bytes.data() + bytes.size())
    {
    }

    bool atEnd() const { return m_pos >= m_end; }

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

    qsizetype remainingLines() const { return std::count(m_pos, m_end, '\n') + 1; }

private:
    const char* m_pos;
    const char* m_end;
};

QString text(QByteArrayView line)
{
    return QString::fromUtf8(line);
}

DataFileReader::Status readHeader(LineCursor& lines, const DataFileLayout* first,
                                  DataFileLayout& layout)
{
    const QByteArray prefix = DataFileLayout::AttributePrefix.toUtf8();
    bool found = false;
    while (!found && !lines.atEnd()) {
        const QByteArrayView line = lines.next();
        if (line.startsWith(prefix)) {
            if (!layout.parseAttributeLine(text(line)))
                return DataFileReader::NotDataFile;
            found = true;
        }
    }
    if (!found)
        return DataFileReader::NotDataFile;
    if (first && !first->sameSettings(layout))
        return DataFileReader::SettingsMismatch;
    if (lines.atEnd() || text(lines.next()) != DataFileLayout::Separator)
        return DataFileReader::NotDataFile;
    if (lines.atEnd() || !layout.parseColumnLine(text(lines.next())))
        return DataFileReader::NotDataFile;
    return DataFileReader::Good;
}

void readRow(QByteArrayView line, bool skipFirst, QList<QList<float>>& channels)
{
    const char* pos = line.data();
    const char* end = pos + line.size();
    const qsizetype count = channels.size();
    qsizetype field = skipFirst ? -1 : 0;
    while (field < count) {
        const char* comma = static_cast<const char*>(std::memchr(pos, ',', size_t(end - pos)));
        const char* fieldEnd = comma ? comma : end;
        if (field >= 0)
            channels[field].append(DataFileReader::parseFloat(pos, fieldEnd));
        ++field;
        if (!comma)
            break;
        pos = comma + 1;
        while (pos < end && isBlank(*pos))
            ++pos;
    }
    // A short row still gives every channel a sample, so that all stay aligned.
    for (qsizetype c = std::max<qsizetype>(field, 0); c < count; ++c)
        channels[c].append(0.0f);
}

} // namespace

float DataFileReader::parseFloat(const char* begin, const char* end, bool* ok)
{
    while (begin < end && isBlank(*begin))
        ++begin;
    while (end > begin && isBlank(end[-1]))
        --end;
    if (begin < end && *begin == '+' && end - begin > 1 && begin[1] != '-')
        ++begin;
    float value = 0.0f;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    const bool good = begin < end && ec == std::errc() && ptr == end;
    if (ok)
        *ok = good;
    return good ? value : 0.0f;
}

DataFileReader::Result DataFileReader::parse(QByteArrayView bytes, const DataFileLayout* first)
{
    Result result;
    LineCursor lines(bytes);
    result.status = readHeader(lines, first, result.layout);
    if (result.status != Good)
        return result;
    result.channels.resize(result.layout.channelCount());
    const qsizetype expected = lines.remainingLines();
    for (QList<float>& channel : result.channels)
        channel.reserve(expected);
    while (!lines.atEnd()) {
        const QByteArrayView line = lines.next();
        // Blank lines (a trailing one, typically) carry no sample.
        if (!line.trimmed().isEmpty())
            readRow(line, result.layout.hasElapsedTime, result.channels);
    }
    return result;
}

DataFileReader::Result DataFileReader::read(const QString& path, const DataFileLayout* first)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Result result;
        result.status = OpenFailed;
        return result;
    }
    const QByteArray bytes = file.readAll();
    return parse(bytes, first);
}
