#include "DataFileLayout.h"

#include <QRegularExpression>

const QString DataFileLayout::AttributePrefix = QStringLiteral("Data Attribute:");
const QString DataFileLayout::Separator = QString(40, QLatin1Char('='));
const QString DataFileLayout::ElapsedTimeColumn = QStringLiteral("Elapsed Time");

bool DataFileLayout::parseAttributeLine(const QString& line)
{
    static const QRegularExpression fieldSeparator(QStringLiteral("[,:]\\s*"));
    const QStringList fields = line.split(fieldSeparator);
    if (fields.size() < 4)
        return false;
    bool periodOk = false;
    bool intervalOk = false;
    period = fields.at(1).toInt(&periodOk);
    interval = fields.at(2).toInt(&intervalOk);
    attributes = fields.at(3);
    // A unit holds at most 11 modules of 8 channels; far more letters is no recording, and
    // would make every row allocate for channels that do not exist.
    return periodOk && intervalOk && attributes.size() <= MaxChannels;
}

bool DataFileLayout::parseColumnLine(const QString& line)
{
    static const QRegularExpression nameSeparator(QStringLiteral("[,]\\s*"));
    columnNames = line.split(nameSeparator);
    hasElapsedTime = columnNames.first() == ElapsedTimeColumn;
    return columnNames.size() == channelCount() + (hasElapsedTime ? 1 : 0);
}
