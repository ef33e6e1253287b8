#include "ShotLogReader.h"

#include "FileController.h"

#include <QDateTime>
#include <QFile>

#include <charconv>
#include <limits>

namespace {

QByteArrayView trimmed(QByteArrayView field)
{
    while (!field.isEmpty() && (field.front() == ' ' || field.front() == '\t'))
        field = field.sliced(1);
    while (!field.isEmpty() && (field.back() == ' ' || field.back() == '\t'))
        field.chop(1);
    return field;
}

// Splits at commas into `fields`; the fields keep their surrounding blanks.
void split(QByteArrayView line, QList<QByteArrayView>& fields)
{
    fields.clear();
    qsizetype start = 0;
    for (;;) {
        const qsizetype comma = line.indexOf(',', start);
        if (comma < 0) {
            fields.append(line.sliced(start));
            return;
        }
        fields.append(line.sliced(start, comma - start));
        start = comma + 1;
    }
}

template <typename Number> bool parseNumber(QByteArrayView text, Number& value)
{
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && ptr == end;
}

bool digitsAt(QByteArrayView text, qsizetype from, qsizetype count, int& value)
{
    if (from + count > text.size())
        return false;
    return parseNumber(text.sliced(from, count), value);
}

// "yyyy/MM/dd hh:mm:ss", the start of both stamp and shot lines.
bool parseWallClock(QByteArrayView text, QDate& date, QTime& time)
{
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    if (text.size() < 19 || text[4] != '/' || text[7] != '/' || text[10] != ' ' ||
        text[13] != ':' || text[16] != ':' || !digitsAt(text, 0, 4, y) ||
        !digitsAt(text, 5, 2, mo) || !digitsAt(text, 8, 2, d) || !digitsAt(text, 11, 2, h) ||
        !digitsAt(text, 14, 2, mi) || !digitsAt(text, 17, 2, s))
        return false;
    date = QDate(y, mo, d);
    time = QTime(h, mi, s);
    return date.isValid() && time.isValid();
}

// The log writes the milliseconds without leading zeros: ".5" is 5 ms, ".300" 300 ms.
// Local time to the epoch is slow in Qt, so it is worked out once per hour of the log
// (clock changes fall on whole hours) and the rest is added.
bool parseShotTime(QByteArrayView text, qint64& ms)
{
    QDate date;
    QTime time;
    int millis = 0;
    if (!parseWallClock(text, date, time) || text.size() < 21 || text.size() > 23 ||
        text[19] != '.' || !parseNumber(text.sliced(20), millis))
        return false;
    thread_local QDate cachedDate;
    thread_local int cachedHour = -1;
    thread_local qint64 cachedHourMs = 0;
    if (date != cachedDate || time.hour() != cachedHour) {
        cachedDate = date;
        cachedHour = time.hour();
        cachedHourMs = QDateTime(date, QTime(cachedHour, 0)).toMSecsSinceEpoch();
    }
    ms = cachedHourMs + (time.minute() * 60 + time.second()) * 1000LL + millis;
    return true;
}

} // namespace

ShotLogReader::ShotLogReader(int channel) : m_channel(channel)
{
    // The event text is written in the language of the day; the source text and the
    // current language's cover the usual case.
    m_changeEvents = {QStringLiteral("System configuration modified."),
                      FileController::eventText(FileController::ConfigurationModified)};
}

bool ShotLogReader::readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_unreadableFiles.append(path);
        return false;
    }
    // Mapped rather than copied: a busy day's log runs to tens of megabytes.
    const qint64 size = file.size();
    if (uchar* mapped = size > 0 ? file.map(0, size) : nullptr) {
        read(QByteArrayView(reinterpret_cast<const char*>(mapped), size));
        file.unmap(mapped);
    } else {
        read(file.readAll());
    }
    return true;
}

void ShotLogReader::read(QByteArrayView text)
{
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        QByteArrayView line = text.sliced(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            readLine(line);
        start = end + 1;
    }
}

void ShotLogReader::readLine(QByteArrayView line)
{
    if (line.startsWith("Time,")) {
        readHeader(line);
        return;
    }
    if (readStamp(line))
        return;
    if (!readShot(line))
        ++m_damagedLines;
}

bool ShotLogReader::readStamp(QByteArrayView line)
{
    QDate date;
    QTime time;
    if (line.size() < 20 || line[19] != ' ' || !parseWallClock(line, date, time))
        return false;
    const QString event = QString::fromUtf8(trimmed(line.sliced(20)));
    if (m_changeEvents.contains(event))
        m_changePending = true;
    return true;
}

void ShotLogReader::readHeader(QByteArrayView line)
{
    // A different column set means different settings, even without the event line.
    if (m_changePending || (!m_headerText.isEmpty() && line != m_headerText))
        ++m_segment;
    m_changePending = false;
    m_headerText = line.toByteArray();

    Columns columns;
    columns.items.fill(-1);
    QList<QByteArrayView> fields;
    split(line, fields);
    columns.count = int(fields.size());
    const QByteArray prefix = "CH" + QByteArray::number(m_channel + 1) + '_';
    for (int i = 0; i < columns.count; ++i) {
        const QByteArrayView name = trimmed(fields[i]);
        if (name == "Time")
            columns.time = i;
        else if (name == "Shot")
            columns.shot = i;
        else if (name == "Result")
            columns.result = i;
        if (!name.startsWith(prefix))
            continue;
        const QByteArrayView item = name.sliced(prefix.size());
        if (item == "Result")
            columns.channelResult = i;
        for (TrendItem t : TrendItems::all()) {
            if (item == TrendItems::columnName(t))
                columns.items[size_t(t)] = i;
        }
    }
    m_columns = columns;
}

bool ShotLogReader::readShot(QByteArrayView line)
{
    const Columns& c = m_columns;
    if (c.time < 0 || c.shot < 0 || c.result < 0)
        return false;
    // Thread-local scratch: one allocation per reader thread, not one per line.
    thread_local QList<QByteArrayView> fields;
    split(line, fields);
    if (fields.size() != c.count)
        return false;
    TrendShot shot;
    const QByteArrayView verdict = trimmed(fields[c.result]);
    if (!parseShotTime(trimmed(fields[c.time]), shot.timeMs) ||
        !parseNumber(trimmed(fields[c.shot]), shot.shotNumber) ||
        (verdict != "OK" && verdict != "NG"))
        return false;
    shot.ok = verdict == "OK";
    shot.segment = m_segment;
    bool any = false;
    for (size_t i = 0; i < shot.values.size(); ++i) {
        shot.values[i] = std::numeric_limits<float>::quiet_NaN();
        const QByteArrayView field =
            c.items[i] < 0 ? QByteArrayView() : trimmed(fields[c.items[i]]);
        if (field.isEmpty())
            continue;
        float value = 0;
        if (!parseNumber(field, value) || !std::isfinite(value))
            return false;
        shot.values[i] = value;
        any = true;
    }
    if (any)
        m_shots.append(shot);
    else
        ++m_withoutChannel;
    return true;
}
