#include "WaveformCsv.h"

#include "RecordText.h"

namespace {

// Titles come from the recorded files: a comma, quote or line break in one must not
// shift the columns.
QByteArray quoted(const QString& field)
{
    QByteArray text = field.toUtf8();
    if (!text.contains(',') && !text.contains('"') && !text.contains('\n') && !text.contains('\r'))
        return text;
    text.replace("\"", "\"\"");
    return '"' + text + '"';
}

} // namespace

QByteArray WaveformCsv::write(const QList<Column>& columns, int intervalMs)
{
    QByteArray out = "Time [ms]";
    qsizetype rows = 0;
    for (const Column& column : columns) {
        out += ',' + quoted(column.title);
        rows = std::max(rows, column.values.size());
    }
    out += '\n';
    for (qsizetype row = 0; row < rows; ++row) {
        out += QByteArray::number(row * intervalMs);
        for (const Column& column : columns) {
            out += ',';
            if (row < column.values.size())
                out += RecordText::real(column.values.at(row)).toLatin1();
        }
        out += '\n';
    }
    return out;
}
