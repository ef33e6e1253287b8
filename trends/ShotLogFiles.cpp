#include "ShotLogFiles.h"

#include "RecordText.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

QList<ShotLogFiles::File> ShotLogFiles::list(const QString& dataFolder, const QString& settingsName)
{
    QList<File> files;
    if (dataFolder.isEmpty())
        return files;
    const QString prefix =
        QStringLiteral("log_") + RecordText::fileNamePart(settingsName) + QLatin1Char('_');
    static const QRegularExpression month(QStringLiteral("^\\d{4}-\\d{2}$"));
    static const QRegularExpression stamp(QStringLiteral("^\\d{6}$"));
    const QDir root(dataFolder);
    for (const QString& folder : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!month.match(folder).hasMatch())
            continue;
        const QDir dir(root.filePath(folder));
        for (const QString& name :
             dir.entryList({prefix + QStringLiteral("*p.csv")}, QDir::Files)) {
            // The settings name may itself end in "_" and digits: the date is what the
            // suffix leaves after the exact prefix.
            const QString middle = name.mid(prefix.size(), name.size() - prefix.size() - 5);
            if (!stamp.match(middle).hasMatch())
                continue;
            const QDate date = QDate::fromString(middle, QStringLiteral("yyMMdd")).addYears(100);
            if (date.isValid())
                files.append({date, dir.filePath(name)});
        }
    }
    std::sort(files.begin(), files.end(),
              [](const File& a, const File& b) { return a.date < b.date; });
    return files;
}

QList<ShotLogFiles::File> ShotLogFiles::between(const QList<File>& files, const QDate& from,
                                                const QDate& to)
{
    QList<File> chosen;
    for (const File& file : files) {
        if (file.date >= from && file.date <= to)
            chosen.append(file);
    }
    return chosen;
}

ShotLogFiles::Result ShotLogFiles::take(ShotLogReader& reader)
{
    Result result;
    result.damagedLines = reader.damagedLines();
    result.shotsWithoutChannel = reader.shotsWithoutChannel();
    result.currentSegment = reader.currentSegment();
    result.unreadableFiles = reader.unreadableFiles();
    result.shots = reader.takeShots();
    return result;
}

ShotLogFiles::Result ShotLogFiles::read(const QList<File>& files, int channel)
{
    ShotLogReader reader(channel);
    for (const File& file : files)
        reader.readFile(file.path);
    return take(reader);
}

ShotLogFiles::Result ShotLogFiles::readRecent(const QList<File>& files, int channel,
                                              const Enough& enough, int maxFiles)
{
    const int limit = int(std::min<qsizetype>(files.size(), std::max(1, maxFiles)));
    for (int count = 1;; ++count) {
        ShotLogReader reader(channel);
        for (qsizetype i = files.size() - qMin<qsizetype>(count, files.size()); i < files.size();
             ++i)
            reader.readFile(files[i].path);
        if (count >= limit || enough(reader))
            return take(reader);
    }
}
