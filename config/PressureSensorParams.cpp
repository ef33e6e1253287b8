#include "PressureSensorParams.h"

#include <QDataStream>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Editors keep sizes small and positive; clamping keeps anything else from turning
// into an undefined conversion.
template <typename T> T clampedInteger(double value)
{
    if (!(value > 0.0))
        return 0;
    return T(std::min(std::trunc(value), double(std::numeric_limits<T>::max())));
}

} // namespace

quint16 PressureSensorParams::toHundredths(float millimetres)
{
    return clampedInteger<quint16>((double(millimetres) + 0.005) * 100.0);
}

quint32 PressureSensorParams::toTenThousandths(double squareMillimetres)
{
    double units = std::trunc(squareMillimetres * 10000.0);
    // The product can land just below the whole number the area stands for (12.3456
    // gives 123455.99999999999); without this an area read from the unit would come back
    // one unit smaller every time it is sent.
    if ((units + 1.0) / 10000.0 == squareMillimetres)
        units += 1.0;
    return clampedInteger<quint32>(units);
}

QString PressureSensorParams::sensorCodeText() const
{
    return QString::number(rating & 0x0F, 16).toUpper() +
           QStringLiteral("%1").arg(distortion, 4, 10, QLatin1Char('0')) +
           QChar::fromLatin1(factor);
}

void PressureSensorParams::writeTo(QDataStream& s) const
{
    s << quint8(((pinType & 0x0F) << 4) | (rating & 0x0F)) << quint8(factor) << quint16(0)
      << distortion << toHundredths(radius) << toHundredths(width) << toHundredths(height)
      << toTenThousandths(area);
}

void PressureSensorParams::readFrom(QDataStream& s)
{
    quint8 typeAndRating = 0;
    quint8 factorByte = 0;
    quint16 reserved = 0;
    quint16 radiusWord = 0;
    quint16 widthWord = 0;
    quint16 heightWord = 0;
    quint32 areaWord = 0;
    s >> typeAndRating >> factorByte >> reserved >> distortion >> radiusWord >> widthWord >>
        heightWord >> areaWord;
    pinType = typeAndRating >> 4;
    rating = typeAndRating & 0x0F;
    factor = char(factorByte);
    radius = float(radiusWord / 100.0);
    width = float(widthWord / 100.0);
    height = float(heightWord / 100.0);
    area = areaWord / 10000.0;
}
