#pragma once

#include <QtGlobal>

// Deterministic random numbers for the simulated signals. The same seed and keys give the
// same sequence on every platform and in any call order, so a shot can be made again
// from its number alone (the standard library's distributions differ between vendors).
class SynthRandom
{
public:
    SynthRandom(quint32 seed, quint64 key1, quint64 key2 = 0);

    // Uniform in [0, 1).
    double uniform();
    // Normal with mean 0 and standard deviation 1.
    double gaussian();
    // Normal with standard deviation `sd`, cut off at +-limit so that a rare draw cannot
    // throw a shot far out of its process.
    double scatter(double sd, double limit);

private:
    quint64 next();

    quint64 m_state = 0;
    double m_spare = 0.0;
    bool m_hasSpare = false;
};
