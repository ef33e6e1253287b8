#include "SRecordCheck.h"

#include <QCoreApplication>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("SRecordCheck", text);
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Size of the address field of each record type; 0 marks the reserved S4.
constexpr int AddressBytes[10] = {2, 2, 3, 4, 0, 2, 3, 4, 3, 2};

QString hexByte(unsigned value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

bool isData(int type)
{
    return type >= 1 && type <= 3;
}

bool isTermination(int type)
{
    return type >= 7;
}

} // namespace

SRecordCheck::Result SRecordCheck::check(const QByteArray& bytes)
{
    Result result;
    // A final line end (or several) is not a line of its own.
    qsizetype end = bytes.size();
    while (end > 0 && (bytes.at(end - 1) == '\n' || bytes.at(end - 1) == '\r'))
        --end;
    if (end == 0) {
        result.reason = tr("The file is empty.");
        return result;
    }

    bool terminated = false;
    int lineNumber = 0;
    for (qsizetype start = 0; start < end;) {
        qsizetype stop = bytes.indexOf('\n', start);
        if (stop < 0 || stop > end)
            stop = end;
        QByteArrayView line = QByteArrayView(bytes).sliced(start, stop - start);
        if (line.endsWith('\r'))
            line.chop(1);
        start = stop + 1;
        ++lineNumber;

        result.line = lineNumber;
        if (terminated) {
            result.reason = tr("Records follow the termination record.");
            return result;
        }
        int type = -1;
        result.reason = checkRecord(line, &type);
        if (!result.reason.isEmpty())
            return result;
        if (isData(type))
            ++result.dataRecords;
        terminated = isTermination(type);
    }

    result.line = 0;
    if (result.dataRecords == 0)
        result.reason = tr("The file holds no data record (S1, S2 or S3).");
    else if (!terminated)
        result.reason =
            tr("The file does not end with a termination record (S7, S8 or S9): it may be cut "
               "short.");
    result.ok = result.reason.isEmpty();
    return result;
}

// An empty string when the line is a sound record; otherwise what is wrong with it.
QString SRecordCheck::checkRecord(QByteArrayView line, int* recordType)
{
    if (line.size() > MaxLineLength)
        return tr("The line is longer than any S-record.");
    if (line.size() < 4 || line.at(0) != 'S' || line.at(1) < '0' || line.at(1) > '9')
        return tr("The line is not an S-record.");
    const int type = line.at(1) - '0';
    if (AddressBytes[type] == 0)
        return tr("S4 is a reserved record type.");

    if (hexValue(line.at(2)) < 0 || hexValue(line.at(3)) < 0)
        return tr("The byte count is not a hexadecimal number.");
    const int count = hexValue(line.at(2)) * 16 + hexValue(line.at(3));
    if (line.size() != 4 + 2 * count)
        return tr("The byte count says %1 bytes, the line holds %2 characters after it.")
            .arg(count)
            .arg(line.size() - 4);
    if (count < AddressBytes[type] + 1)
        return tr("The record is too short for its address and checksum.");
    if (isTermination(type) && count != AddressBytes[type] + 1)
        return tr("The termination record carries data.");

    unsigned sum = unsigned(count);
    unsigned lastByte = 0;
    for (int i = 0; i < count; ++i) {
        const int high = hexValue(line.at(4 + 2 * i));
        const int low = hexValue(line.at(5 + 2 * i));
        if (high < 0 || low < 0)
            return tr("The record holds a character that is not hexadecimal.");
        lastByte = unsigned(high * 16 + low);
        if (i + 1 < count)
            sum += lastByte;
    }
    const unsigned expected = ~sum & 0xFFu;
    if (lastByte != expected)
        return tr("The checksum is %1, the record's bytes give %2.")
            .arg(hexByte(lastByte), hexByte(expected));
    *recordType = type;
    return {};
}
