#include "RecordText.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

constexpr int Digits = 6;

char* copy(char* out, const char* text)
{
    const std::size_t length = std::strlen(text);
    std::memcpy(out, text, length);
    return out + length;
}

// True when `magnitude` lies exactly halfway between two six-digit decimals, `digits`
// being its seven leading digits (the last one 5) and `exponent` the power of ten of the
// first. QTextStream rounds such a tie away from zero, std::to_chars to even.
bool isExactTie(double magnitude, const char* digits, int exponent)
{
    // The halfway decimal is k * 10^p = k * 5^p * 2^p with k odd: it equals a float only
    // if its odd part k * 5^p is a whole number of at most 24 bits.
    std::int64_t odd = 0;
    for (int i = 0; i <= Digits; ++i)
        odd = odd * 10 + (digits[i] - '0');
    const int p = exponent - Digits;
    for (int i = 0; i < p; ++i) {
        odd *= 5;
        if (odd >= (std::int64_t(1) << 24))
            return false;
    }
    for (int i = 0; i < -p; ++i) {
        if (odd % 5 != 0)
            return false;
        odd /= 5;
    }
    return odd < (std::int64_t(1) << 24) && std::ldexp(double(odd), p) == magnitude;
}

// Splits scientific notation "d.ddde+XX" into its digits and power of ten; returns the
// number of digits.
int splitScientific(const char* text, const char* end, char* digits, int& exponent)
{
    int count = 0;
    const char* p = text;
    for (; p < end && *p != 'e'; ++p) {
        if (*p != '.')
            digits[count++] = *p;
    }
    const bool negative = p + 1 < end && p[1] == '-';
    exponent = 0;
    for (p += 2; p < end; ++p)
        exponent = exponent * 10 + (*p - '0');
    if (negative)
        exponent = -exponent;
    return count;
}

// %g's layout of `count` significant digits (no trailing zeros) times 10^exponent.
char* layOut(char* out, bool negative, const char* digits, int count, int exponent)
{
    if (negative)
        *out++ = '-';
    if (exponent < -4 || exponent >= Digits) {
        *out++ = digits[0];
        if (count > 1) {
            *out++ = '.';
            std::memcpy(out, digits + 1, count - 1);
            out += count - 1;
        }
        *out++ = 'e';
        *out++ = exponent < 0 ? '-' : '+';
        const int e = std::abs(exponent);
        *out++ = char('0' + e / 10);
        *out++ = char('0' + e % 10);
        return out;
    }
    if (exponent < 0) {
        *out++ = '0';
        *out++ = '.';
        for (int i = 0; i < -exponent - 1; ++i)
            *out++ = '0';
        std::memcpy(out, digits, count);
        return out + count;
    }
    const int whole = exponent + 1;
    for (int i = 0; i < whole; ++i)
        *out++ = i < count ? digits[i] : '0';
    if (count > whole) {
        *out++ = '.';
        std::memcpy(out, digits + whole, count - whole);
        out += count - whole;
    }
    return out;
}

// A float is m x 2^-k with m odd; its exact decimal value then has the digits of
// m x 5^k, at least as many as 5^k has. From k = 11 on (5^11 has 8 digits) it cannot
// have the 7 significant digits of a rounding tie at six.
bool mayBeTie(float magnitude)
{
    int exponent = 0;
    const float fraction = std::frexp(magnitude, &exponent);
    const auto mantissa = quint32(std::ldexp(fraction, 24));
    const int fractionalBits = 24 - exponent - std::countr_zero(mantissa);
    return fractionalBits < 11;
}

// "00", "01" .. "99" back to back.
constexpr std::array<char, 200> TwoDigits = [] {
    std::array<char, 200> table{};
    for (int i = 0; i < 100; ++i) {
        table[2 * i] = char('0' + i / 10);
        table[2 * i + 1] = char('0' + i % 10);
    }
    return table;
}();

// Six significant digits of a normal float's exact value, rounded half away from zero as
// QTextStream does, in integers: the float is m x 2^e, so its value times 10^k is a
// fraction whose numerator and denominator fit in 128 bits for every magnitude between
// 2^-30 and 2^63, which covers what the unit measures. This is several times quicker than
// a generic conversion. Returns the number of digits without trailing zeros, 0 outside
// that range.
__extension__ typedef unsigned __int128 Wide;

constexpr std::uint64_t powerOfTen(int n)
{
    std::uint64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// The rounding of m x 2^e2 x 10^k to a whole number, and the whole number before rounding.
// Below a million (k >= 0) the float has a fraction (e2 < 0) and only the numerator holds
// a power of ten, so the division is a shift; above, both fit in 64 bits.
std::uint64_t scaledValue(std::uint32_t mantissa, int e2, int k, std::uint64_t& truncated)
{
    if (k >= 0) {
        const Wide numerator = Wide(mantissa) * powerOfTen(k);
        const int shift = -e2;
        truncated = std::uint64_t(numerator >> shift);
        const Wide rest = numerator & ((Wide(1) << shift) - 1);
        return truncated + (rest >= (Wide(1) << (shift - 1)) ? 1 : 0);
    }
    const std::uint64_t numerator = std::uint64_t(mantissa) << std::max(e2, 0);
    const std::uint64_t denominator = powerOfTen(-k) << std::max(-e2, 0);
    truncated = numerator / denominator;
    const std::uint64_t rest = numerator - truncated * denominator;
    return truncated + (2 * rest >= denominator ? 1 : 0);
}

int roundToSixDigits(float magnitude, char* digits, int& exponent)
{
    const auto bits = std::bit_cast<std::uint32_t>(magnitude);
    const int biased = int(bits >> 23);
    const int power = biased - 127; // floor(log2(magnitude))
    if (power < -30 || power >= 63)
        return 0;
    const std::uint32_t mantissa = (bits & 0x7FFFFF) | 0x800000;
    const int e2 = power - 23;
    // floor(power x log10(2)); the decimal exponent is this or one more.
    exponent = (power * 78913) >> 18;
    std::uint64_t truncated = 0;
    std::uint64_t rounded = scaledValue(mantissa, e2, Digits - 1 - exponent, truncated);
    if (truncated >= powerOfTen(Digits)) {
        ++exponent;
        rounded = scaledValue(mantissa, e2, Digits - 1 - exponent, truncated);
    }
    if (rounded == powerOfTen(Digits)) { // 999999.5 and the like round up to 1000000
        rounded /= 10;
        ++exponent;
    }
    // Two digits at a time: three short divisions instead of six dependent ones.
    const auto six = std::uint32_t(rounded);
    std::memcpy(digits, TwoDigits.data() + 2 * (six / 10000), 2);
    std::memcpy(digits + 2, TwoDigits.data() + 2 * (six / 100 % 100), 2);
    std::memcpy(digits + 4, TwoDigits.data() + 2 * (six % 100), 2);
    // Counted without a loop: the number of zeros varies from value to value, and a loop
    // over them costs a mispredicted branch nearly every time.
    const int trailingZeros = int(six % 10 == 0) + int(six % 100 == 0) + int(six % 1000 == 0) +
                              int(six % 10000 == 0) + int(six % 100000 == 0);
    return Digits - trailingZeros;
}

// The formatting itself, without the cache.
char* format(char* out, float value);

// Samples are ADC counts times a factor plus an offset, so a shot repeats a few thousand
// distinct values, and a channel's next sample is often one of its last. The text of
// recently formatted values is kept per thread in a small direct-mapped table keyed on the
// float's bit pattern: a hit is the same text by construction, and a copy instead of a
// conversion.
struct CachedText
{
    std::uint32_t bits;
    std::uint8_t length; // 0: the slot is empty
    char text[RecordText::MaxRealLength];
};
constexpr int CacheBits = 10;
thread_local CachedText cache[1 << CacheBits];

} // namespace

QString RecordText::real(float value)
{
    char text[MaxRealLength];
    return QString::fromLatin1(text, writeReal(text, value) - text);
}

char* RecordText::writeReal(char* out, float value)
{
    const auto bits = std::bit_cast<std::uint32_t>(value);
    CachedText& slot = cache[(bits * 0x9E3779B1u) >> (32 - CacheBits)];
    if (slot.bits == bits && slot.length != 0) {
        std::memcpy(out, slot.text, MaxRealLength); // out has that room; one fixed-size copy
        return out + slot.length;
    }
    char* const end = format(out, value);
    slot.bits = bits;
    slot.length = std::uint8_t(end - out);
    std::memcpy(slot.text, out, slot.length);
    return end;
}

namespace {

char* format(char* out, float value)
{
    // QTextStream's smart notation: %g with six significant digits, except that it writes
    // negative zero as "0", NaN without a sign and rounds ties away from zero.
    if (std::isnan(value))
        return copy(out, "nan");
    if (std::isinf(value))
        return copy(out, value < 0 ? "-inf" : "inf");
    if (value == 0.0f)
        return copy(out, "0");
    const bool negative = value < 0;
    const float magnitude = std::fabs(value);
    char digits[20];
    int exponent = 0;
    if (const int count = roundToSixDigits(magnitude, digits, exponent))
        return layOut(out, negative, digits, count, exponent);
    // Measured and computed values are rarely ties: one conversion does for them.
    if (!mayBeTie(magnitude))
        return std::to_chars(out, out + RecordText::MaxRealLength, double(value),
                             std::chars_format::general, Digits)
            .ptr;
    char text[32];
    // The shortest digits that read back as this float. With at most six of them they are
    // also the six-digit rounding: a normal float's neighbours lie closer together than
    // six-digit decimals, so no other six-digit decimal can be nearer. Most samples end
    // here. (Subnormal floats are sparser; they take the exact way below.)
    const char* end =
        std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific).ptr;
    int count = splitScientific(text, end, digits, exponent);
    if (count <= Digits && magnitude >= std::numeric_limits<float>::min())
        return layOut(out, negative, digits, count, exponent);

    // Seven digits, so that the rounding to six can be seen.
    end = std::to_chars(text, text + sizeof text, double(magnitude), std::chars_format::scientific,
                        Digits)
              .ptr;
    splitScientific(text, end, digits, exponent);
    if (digits[Digits] == '5') {
        // The seven digits are rounded themselves: only the exact value tells which way
        // the sixth goes.
        double v = value;
        if (isExactTie(magnitude, digits, exponent))
            v = std::nextafter(v, v * 2);
        return std::to_chars(out, out + RecordText::MaxRealLength, v, std::chars_format::general,
                             Digits)
            .ptr;
    }
    if (digits[Digits] > '5') {
        int i = Digits - 1;
        while (i >= 0 && digits[i] == '9')
            digits[i--] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits[0] = '1';
            ++exponent;
        }
    }
    count = Digits;
    while (count > 1 && digits[count - 1] == '0')
        --count;
    return layOut(out, negative, digits, count, exponent);
}

} // namespace

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
