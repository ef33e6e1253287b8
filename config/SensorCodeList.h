#pragma once

#include <QList>
#include <QString>

// Two-letter sensor sensitivity codes. A code travels as a u16 with the first letter
// in the high byte; the editors list the codes in the order of these lists and
// address them by position.
namespace SensorCodeList {

// A..H with every second letter but I and O, then JA..JH: 200 codes.
const QList<quint16>& zrbCodes();
// B, C, D, E, J, K, L, M with every second letter but O, then ZA..ZZ: 226 codes.
const QList<quint16>& zrcCodes();

constexpr quint16 code(char first, char second)
{
    return quint16((quint8(first) << 8) | quint8(second));
}

// Position of the code in the list; 0 when the code is not listed.
int indexOf(const QList<quint16>& list, quint16 code);

QString text(quint16 code);

} // namespace SensorCodeList
