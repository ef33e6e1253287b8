#include "DataFileReader.h"
#include "LineCursor.h"

#include <QFile>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <vector>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

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

// A plain decimal ("-12.35") of at most 7 digits from `pos`; returns where it stopped (a
// comma or the end when the field was such a number), or null when it is not one. Such a
// mantissa is exact as a float, and so is the power of ten dividing it: one correctly
// rounded division gives the same float as a full conversion, several times faster.
const char* scanShortDecimal(const char* pos, const char* end, float& value)
{
    const bool negative = pos < end && *pos == '-';
    const char* p = negative ? pos + 1 : pos;
    quint32 mantissa = 0;
    int digits = 0;
    int decimals = -1;
    for (; p < end && *p != ','; ++p) {
        if (*p >= '0' && *p <= '9') {
            mantissa = mantissa * 10 + quint32(*p - '0');
            if (++digits > 7)
                return nullptr;
            if (decimals >= 0)
                ++decimals;
        } else if (*p == '.' && decimals < 0) {
            decimals = 0;
        } else {
            return nullptr;
        }
    }
    if (digits == 0)
        return nullptr;
    static constexpr float Powers[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f};
    const float magnitude = decimals > 0 ? float(mantissa) / Powers[decimals] : float(mantissa);
    value = negative ? -magnitude : magnitude;
    return p;
}

// Writes one row's samples at `row` of every channel; the columns are sized beforehand.
void readRow(QByteArrayView line, bool skipFirst, float* const* columns, qsizetype count,
             qsizetype row)
{
    const char* pos = line.data();
    const char* end = pos + line.size();
    qsizetype field = skipFirst ? -1 : 0;
    while (field < count) {
        // Most fields are short plain decimals ending at the comma: take those in one pass.
        float value = 0.0f;
        const char* comma = field >= 0 ? scanShortDecimal(pos, end, value) : nullptr;
        if (!comma || (comma < end && *comma != ',')) {
            comma = static_cast<const char*>(std::memchr(pos, ',', size_t(end - pos)));
            if (field >= 0)
                value = DataFileReader::parseFloat(pos, comma ? comma : end);
        } else if (comma == end) {
            comma = nullptr;
        }
        if (field >= 0)
            columns[field][row] = value;
        ++field;
        if (!comma)
            break;
        pos = comma + 1;
        while (pos < end && isBlank(*pos))
            ++pos;
    }
}

// The whole field a short plain decimal; anything else takes the full conversion.
bool parseShortDecimal(const char* begin, const char* end, float& value)
{
    return scanShortDecimal(begin, end, value) == end;
}

} // namespace

float DataFileReader::parseFloat(const char* begin, const char* end, bool* ok)
{
    while (begin < end && isBlank(*begin))
        ++begin;
    while (end > begin && isBlank(end[-1]))
        --end;
    float value = 0.0f;
    if (parseShortDecimal(begin, end, value)) {
        if (ok)
            *ok = true;
        return value;
    }
    if (begin < end && *begin == '+' && end - begin > 1 && begin[1] != '-')
        ++begin;
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
    const qsizetype count = result.layout.channelCount();
    result.channels.resize(count);
    const qsizetype capacity = lines.remainingLines();
    std::vector<float*> columns(static_cast<size_t>(count));
    // Zero-filled: the fields a short row lacks read as 0, so all channels stay aligned.
    for (qsizetype c = 0; c < count; ++c) {
        result.channels[c].resize(capacity);
        columns[size_t(c)] = result.channels[c].data();
    }
    qsizetype rows = 0;
    while (!lines.atEnd()) {
        const QByteArrayView line = lines.next();
        // Blank lines (a trailing one, typically) carry no sample.
        if (!line.trimmed().isEmpty())
            readRow(line, result.layout.hasElapsedTime, columns.data(), count, rows++);
    }
    for (QList<float>& channel : result.channels)
        channel.resize(rows);
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
    // Mapped rather than copied: the recorded files of a set add up to tens of megabytes.
    if (const qint64 size = file.size(); size > 0) {
        if (const uchar* mapped = file.map(0, size))
            return parse(QByteArrayView(mapped, size), first);
    }
    const QByteArray bytes = file.readAll();
    return parse(bytes, first);
}
