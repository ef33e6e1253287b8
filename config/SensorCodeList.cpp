#include "SensorCodeList.h"

#include <QByteArrayView>

namespace SensorCodeList {

namespace {

void appendGroup(QList<quint16>& list, char first, QByteArrayView excluded)
{
    for (char second = 'A'; second <= 'Z'; ++second) {
        if (!excluded.contains(second))
            list.append(code(first, second));
    }
}

QList<quint16> buildZrbCodes()
{
    QList<quint16> list;
    for (char first = 'A'; first <= 'H'; ++first)
        appendGroup(list, first, "IO");
    for (char second = 'A'; second <= 'H'; ++second)
        list.append(code('J', second));
    return list;
}

QList<quint16> buildZrcCodes()
{
    QList<quint16> list;
    for (char first : {'B', 'C', 'D', 'E', 'J', 'K', 'L', 'M'})
        appendGroup(list, first, "O");
    appendGroup(list, 'Z', "");
    return list;
}

} // namespace

const QList<quint16>& zrbCodes()
{
    static const QList<quint16> list = buildZrbCodes();
    return list;
}

const QList<quint16>& zrcCodes()
{
    static const QList<quint16> list = buildZrcCodes();
    return list;
}

int indexOf(const QList<quint16>& list, quint16 code)
{
    const qsizetype index = list.indexOf(code);
    return index < 0 ? 0 : int(index);
}

QString text(quint16 code)
{
    const char letters[2] = {char(code >> 8), char(code & 0xFF)};
    return QString::fromLatin1(letters, 2);
}

} // namespace SensorCodeList
