#include "MoldMachineTable.h"

#include "AppSettings.h"

#include <QDebug>
#include <QTextStream>

QString MoldMachineTable::settingsFilePath()
{
    return filePathIn(AppSettings().settingsPath());
}

QString MoldMachineTable::filePathIn(const QString& settingsFolder)
{
    return settingsFolder + QStringLiteral("/Mold_Machine.csv");
}

MoldMachineTable::ReadResult MoldMachineTable::read(QTextStream& in)
{
    ReadResult result;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.isEmpty())
            break;
        const QStringList parts = line.split(QLatin1Char(','), Qt::SkipEmptyParts);
        if (parts.size() != 2)
            continue;
        qDebug().noquote() << "Read data" << parts.at(0) << parts.at(1);
        ++result.countedLines;
        if (result.countedLines <= MaxRecords)
            result.records.append({parts.at(0), parts.at(1), QString()});
    }
    return result;
}
