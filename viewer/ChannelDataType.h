#pragma once

#include <QChar>
#include <QString>

// The quantities a channel can carry, with the full scale and the value factor the plot
// and the unit use for them. Data files name a channel's type by one letter.
struct ChannelDataType
{
    int code;
    float fullScale;
    double factor; // one count of the unit's value scale
    const char* unit;

    // Null for a code that names no known quantity (4, for example).
    static const ChannelDataType* find(int code);
    // 'T' temperature (1), 'V' voltage (3), any other letter pressure (2).
    static int codeOfLetter(QChar letter);
    // The default minimum offset of the limit envelopes: 2 % of the full scale.
    static float defaultMinimumOffset(int code);
};
