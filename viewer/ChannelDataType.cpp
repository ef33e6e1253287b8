#include "ChannelDataType.h"

namespace {

constexpr ChannelDataType Types[] = {
    {1, 1000.0f, 0.1, "C"},   {2, 200.0f, 0.1, "MPa"},    {3, 10000.0f, 1.0, "mV"},
    {5, 48000.0f, 1.0, "Cs"}, {6, 24000.0f, 1.0, "MPas"}, {7, 1200.0f, 0.1, "Vs"},
};

// The plot keeps its previous full scale for an unknown code; 200 is where it starts.
constexpr float InitialFullScale = 200.0f;

} // namespace

const ChannelDataType* ChannelDataType::find(int code)
{
    for (const ChannelDataType& type : Types) {
        if (type.code == code)
            return &type;
    }
    return nullptr;
}

int ChannelDataType::codeOfLetter(QChar letter)
{
    if (letter == QLatin1Char('T'))
        return 1;
    if (letter == QLatin1Char('V'))
        return 3;
    return 2;
}

float ChannelDataType::defaultMinimumOffset(int code)
{
    const ChannelDataType* type = find(code);
    return (type ? type->fullScale : InitialFullScale) * 0.02f;
}
