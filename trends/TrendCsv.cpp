#include "TrendCsv.h"

#include "RecordText.h"

#include <QSaveFile>

QString TrendCsv::text(const QList<TrendShot>& shots, int channel, TrendItem item)
{
    QString text = QStringLiteral("Time, Shot, Result, CH%1_").arg(channel + 1) +
                   QLatin1String(TrendItems::columnName(item)) + QLatin1Char('\n');
    for (const TrendShot& shot : shots) {
        if (!shot.has(item))
            continue;
        text += RecordText::shotTime(QDateTime::fromMSecsSinceEpoch(shot.timeMs)) +
                QStringLiteral(", ") + QString::number(shot.shotNumber) +
                (shot.ok ? QStringLiteral(", OK, ") : QStringLiteral(", NG, ")) +
                RecordText::real(shot.value(item)) + QLatin1Char('\n');
    }
    return text;
}

bool TrendCsv::write(const QString& path, const QList<TrendShot>& shots, int channel,
                     TrendItem item, QString& error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        error = file.errorString();
        return false;
    }
    file.write(text(shots, channel, item).toUtf8());
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}
