#include "RealFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

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
