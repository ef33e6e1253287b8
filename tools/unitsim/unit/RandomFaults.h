#pragma once

#include <QtGlobal>

// Faults drawn at random, one kind at most per shot, for long runs that should meet every
// fault in every phase of the stream. A draw depends on the seed and the shot's ordinal
// alone, so a run that went wrong can be repeated shot for shot.
class RandomFaults
{
public:
    enum Kind
    {
        None,
        DropConnection,  // the data connection is reset in the middle of the shot
        CloseConnection, // ... closed in an orderly way instead
        CorruptFrame,    // one sample frame in the middle of the shot has a wrong BCC
        SplitFrames,     // the shot's frames are cut across writes
        MergeFrames,     // the shot's frames due together go out in one write
        Stall,           // the unit falls silent mid-shot for longer than the PC's watchdog
        UnitReset,       // the unit resets itself after the shot
        MachineTimeout,  // the molding machine does not answer after the shot
        MachineNoise,    // ... sends noise ahead of its replies
        MachineBadBcc,   // ... answers with wrong check bytes
        KindCount
    };

    // `rate`: the share of shots that get a fault, 0 (none) to 1 (every shot).
    explicit RandomFaults(quint32 seed = 1, double rate = 0.0);

    bool enabled() const { return m_rate > 0.0; }
    quint32 seed() const { return m_seed; }
    double rate() const { return m_rate; }
    Kind draw(qint64 shotOrdinal) const;

    // "drop", "corrupt", ... as the shot log writes them; "" for None.
    static const char* name(Kind kind);
    static bool isMachineFault(Kind kind)
    {
        return kind == MachineTimeout || kind == MachineNoise || kind == MachineBadBcc;
    }

private:
    quint32 m_seed;
    double m_rate;
};
