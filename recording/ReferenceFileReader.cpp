#include "ReferenceFileReader.h"

#include "RawFileFormat.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <cmath>

namespace {

const QRegularExpression& fieldSeparator()
{
    static const QRegularExpression separator(QStringLiteral(",\\s*"));
    return separator;
}

} // namespace

ReferenceFileReader::Result ReferenceFileReader::failure(Error error)
{
    Result result;
    result.error = error;
    // The window's own texts, so its translation catalog applies.
    if (error == OpenError) {
        result.title = QCoreApplication::translate("MainWindow", "Open Error");
        result.text = QCoreApplication::translate(
            "MainWindow",
            "Can not open the file.\nPlease check whether you have permission to read.");
    } else {
        result.title = QCoreApplication::translate("MainWindow", "File Format Error");
        result.text = QCoreApplication::translate("MainWindow", "This is not CVO Data file.\n");
    }
    return result;
}

ReferenceFileReader::Result ReferenceFileReader::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return failure(OpenError);
    QTextStream in(&file);
    return read(in);
}

ReferenceFileReader::Result ReferenceFileReader::read(QTextStream& in)
{
    Result result;
    if (!readInterval(in, result.samplingInterval) || !skipToSeparator(in))
        return failure(FormatError);
    const QStringList columns = in.readLine().split(fieldSeparator());
    const bool skipFirstColumn = columns.value(0) == RawFileFormat::ElapsedTimeColumn;
    readRows(in, skipFirstColumn, result.waveforms);
    return result;
}

bool ReferenceFileReader::readInterval(QTextStream& in, int& interval)
{
    static const QRegularExpression attributeSeparator(QStringLiteral("[,:]\\s*"));
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (!line.startsWith(RawFileFormat::DataAttributePrefix))
            continue;
        bool ok = false;
        interval = line.split(attributeSeparator).value(2).toInt(&ok);
        qDebug() << "Sampling Interval=" << interval;
        // A zero or negative step would put every sample at the same time.
        return ok && interval > 0;
    }
    return false;
}

bool ReferenceFileReader::skipToSeparator(QTextStream& in)
{
    while (!in.atEnd()) {
        if (in.readLine() == RawFileFormat::Separator)
            return true;
    }
    return false;
}

void ReferenceFileReader::readRows(QTextStream& in, bool skipFirstColumn,
                                   QList<QList<float>>& waveforms)
{
    const int first = skipFirstColumn ? 1 : 0;
    qsizetype rows = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.isEmpty())
            continue;
        const QStringList fields = line.split(fieldSeparator());
        const qsizetype columnCount = std::max<qsizetype>(fields.size() - first, 0);
        // A column that first appears in a later row starts with zeros, and a short row
        // gives zeros to the columns it lacks, so that index i is row i in every waveform.
        while (waveforms.size() < columnCount)
            waveforms.append(QList<float>(rows, 0.0f));
        for (qsizetype j = 0; j < waveforms.size(); ++j) {
            bool ok = false;
            const float value = j < columnCount ? fields.at(j + first).toFloat(&ok) : 0.0f;
            // Non-finite values would wreck the plot's scaling; read them like text.
            waveforms[j].append(ok && std::isfinite(value) ? value : 0.0f);
        }
        ++rows;
    }
}
