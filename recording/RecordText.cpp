#include "RecordText.h"

#include <QTextStream>

QString RecordText::real(float value)
{
    QString text;
    QTextStream stream(&text);
    stream << value;
    stream.flush();
    return text;
}

QString RecordText::shotTime(const QDateTime& time)
{
    if (!time.isValid())
        return QString();
    return time.toString(QStringLiteral("yyyy/MM/dd hh:mm:ss.")) +
           QString::number(time.time().msec());
}

QString RecordText::wallClock(const QDateTime& time)
{
    return time.toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
}

QChar RecordText::unitLetter(quint32 unitCode)
{
    switch (unitCode) {
    case 1:
        return QLatin1Char('T');
    case 2:
        return QLatin1Char('P');
    case 3:
        return QLatin1Char('V');
    default:
        return QLatin1Char('?');
    }
}

QString RecordText::secondsWithMillis(quint32 milliseconds)
{
    return QString::number(milliseconds / 1000) + QLatin1Char('.') +
           QStringLiteral("%1").arg(milliseconds % 1000, 3, 10, QLatin1Char('0'));
}

QString RecordText::fileNamePart(const QString& name)
{
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    QString safe = name;
    for (QChar& c : safe) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || forbidden.contains(c))
            c = QLatin1Char('_');
    }
    return safe;
}
