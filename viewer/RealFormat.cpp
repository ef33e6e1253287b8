#include "RealFormat.h"

#include <QtGlobal>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

// A float is m x 2^-k with m odd; its exact decimal value then has the digits of
// m x 5^k, at least as many as 5^k has. From k = 11 on (5^11 has 8 digits) it cannot
// have the 7 significant digits of a tie, which spares measured values the second
// conversion.
bool mayBeTie(float value)
{
    int exponent = 0;
    const float fraction = std::frexp(std::fabs(value), &exponent);
    auto mantissa = quint32(std::ldexp(fraction, 24));
    if (mantissa == 0)
        return false;
    const int trailingZeros = std::countr_zero(mantissa);
    const int fractionalBits = 24 - exponent - trailingZeros;
    return fractionalBits < 11;
}

} // namespace

namespace RealFormat {

char* write(char* out, float value)
{
    if (std::isnan(value)) {
        std::memcpy(out, "nan", 3);
        return out + 3;
    }
    if (value == 0.0f) {
        *out = '0';
        return out + 1;
    }
    double d = value;
    if (!mayBeTie(value))
        return std::to_chars(out, out + MaxLength, d, std::chars_format::general, 6).ptr;
    // to_chars rounds an exact tie to even, the text stream away from zero. A float is
    // a tie at 6 digits only when its exact value has 7 significant digits ending in 5;
    // moving it one double step outwards makes the rounding go the stream's way.
    char shortest[40];
    const char* const begin = shortest;
    const char* end =
        std::to_chars(shortest, shortest + sizeof shortest, d, std::chars_format::scientific).ptr;
    const char* exponent = std::find(begin, end, 'e');
    const auto significant =
        std::count_if(begin, exponent, [](char c) { return c >= '0' && c <= '9'; });
    if (significant == 7 && exponent[-1] == '5')
        d = std::nextafter(d, d > 0 ? HUGE_VAL : -HUGE_VAL);
    return std::to_chars(out, out + MaxLength, d, std::chars_format::general, 6).ptr;
}

void append(QByteArray& text, float value)
{
    char buffer[MaxLength];
    text.append(buffer, write(buffer, value) - buffer);
}

void append(QByteArray& text, int value)
{
    char buffer[MaxLength];
    text.append(buffer, std::to_chars(buffer, buffer + MaxLength, value).ptr - buffer);
}

} // namespace RealFormat
