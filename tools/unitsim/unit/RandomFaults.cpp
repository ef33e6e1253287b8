#include "RandomFaults.h"

#include "SynthRandom.h"

#include <array>

namespace {

// Keeps the fault draws apart from the curve streams of the same seed.
constexpr quint64 FaultStream = 0xFA017ULL;

struct Weighted
{
    RandomFaults::Kind kind;
    int weight;
    const char* name;
};

// The link faults come more often than resets and stalls, which cost the PC seconds each.
constexpr std::array<Weighted, RandomFaults::KindCount - 1> Kinds{{
    {RandomFaults::DropConnection, 2, "drop"},
    {RandomFaults::CloseConnection, 1, "close"},
    {RandomFaults::CorruptFrame, 2, "corrupt"},
    {RandomFaults::SplitFrames, 2, "split"},
    {RandomFaults::MergeFrames, 2, "merge"},
    {RandomFaults::Stall, 1, "stall"},
    {RandomFaults::UnitReset, 1, "reset"},
    {RandomFaults::MachineTimeout, 1, "machine-timeout"},
    {RandomFaults::MachineNoise, 1, "machine-noise"},
    {RandomFaults::MachineBadBcc, 1, "machine-bad-bcc"},
}};

constexpr int totalWeight()
{
    int sum = 0;
    for (const Weighted& entry : Kinds)
        sum += entry.weight;
    return sum;
}

} // namespace

RandomFaults::RandomFaults(quint32 seed, double rate) : m_seed(seed), m_rate(qBound(0.0, rate, 1.0))
{
}

RandomFaults::Kind RandomFaults::draw(qint64 shotOrdinal) const
{
    if (!enabled())
        return None;
    SynthRandom random(m_seed, quint64(shotOrdinal), FaultStream);
    if (random.uniform() >= m_rate)
        return None;
    int pick = int(random.uniform() * totalWeight());
    for (const Weighted& entry : Kinds) {
        if (pick < entry.weight)
            return entry.kind;
        pick -= entry.weight;
    }
    return Kinds.back().kind;
}

const char* RandomFaults::name(Kind kind)
{
    for (const Weighted& entry : Kinds) {
        if (entry.kind == kind)
            return entry.name;
    }
    return "";
}
