#include "SynthRandom.h"

#include <QtMath>

namespace {

// SplitMix64 finaliser: spreads every input bit over the whole word.
quint64 mix(quint64 z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

constexpr quint64 Golden = 0x9E3779B97F4A7C15ULL;

} // namespace

SynthRandom::SynthRandom(quint32 seed, quint64 key1, quint64 key2)
    : m_state(mix(mix(mix(seed + Golden) ^ (key1 + 2 * Golden)) ^ (key2 + 3 * Golden)))
{
}

quint64 SynthRandom::next()
{
    m_state += Golden;
    return mix(m_state);
}

double SynthRandom::uniform()
{
    return double(next() >> 11) * (1.0 / 9007199254740992.0);
}

double SynthRandom::gaussian()
{
    if (m_hasSpare) {
        m_hasSpare = false;
        return m_spare;
    }
    // Box-Muller; 1 - uniform() keeps the logarithm away from zero.
    const double radius = qSqrt(-2.0 * qLn(1.0 - uniform()));
    const double angle = 2.0 * M_PI * uniform();
    m_spare = radius * qSin(angle);
    m_hasSpare = true;
    return radius * qCos(angle);
}

double SynthRandom::scatter(double sd, double limit)
{
    return qBound(-limit, sd * gaussian(), limit);
}
