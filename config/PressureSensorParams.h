#pragma once

#include <QString>

class QDataStream;

// The pressure sensor on one channel of an eight-channel pressure module.
struct PressureSensorParams
{
    static constexpr int RecordSize = 16;

    qint32 pinType = 0;        // 0 round, 1 rectangle, 2 other
    quint8 rating = 2;         // sensor rating number 0..15
    char factor = 'A';         // correction class
    quint16 distortion = 4000; // sensitivity number below 10000
    float radius = 1.0f;       // mm
    float width = 1.0f;        // mm
    float height = 1.0f;       // mm
    double area = 1.0;         // pressure-receiving area in mm²

    bool operator==(const PressureSensorParams&) const = default;

    // The code printed on the sensor: rating as one hexadecimal digit, the distortion in
    // four digits and the factor, for example "24000A".
    QString sensorCodeText() const;

    // Dimensions in whole 0.01 mm and the area in whole 0.0001 mm², as the unit and the
    // mold settings file carry them. Values that do not fit give 0 or the largest value.
    static quint16 toHundredths(float millimetres);
    static quint32 toTenThousandths(double squareMillimetres);

    // The 16-byte record of the module block: dimensions in 0.01 mm, area in 0.0001 mm².
    void writeTo(QDataStream& stream) const;
    void readFrom(QDataStream& stream);
};
