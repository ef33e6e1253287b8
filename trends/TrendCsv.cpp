#include "TrendCsv.h"

#include "RecordText.h"

#include <QCoreApplication>
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
    // Unbuffered: a write cut short by a full disk shows here. Buffered, it would show only
    // while commit() flushes, which then still renames the cut-off file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Unbuffered)) {
        error = file.errorString();
        return false;
    }
    const QByteArray bytes = text(shots, channel, item).toUtf8();
    if (file.write(bytes) != bytes.size()) {
        // A write cut short sets no error of its own: the disk is full.
        error = file.error() == QFileDevice::NoError
                    ? QCoreApplication::translate("TrendCsv", "the disk is full")
                    : file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}
