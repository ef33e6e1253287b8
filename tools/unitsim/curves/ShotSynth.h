#pragma once

#include <QList>
#include <QtGlobal>

class SystemConfig;

// Makes the curves the simulated unit streams: cavity pressure rises while the mold
// fills, holds while packing and decays while cooling; temperatures rise slowly; every
// shot differs a little from the last and carries sensor noise. Each channel's curve
// follows its unit code (see CurveShape); a shot is made again identically from the
// seed and its shot number alone, whatever was made before.
struct SynthOptions
{
    quint32 seed = 1;
    // Every k-th shot (shot numbers k, 2k, 3k ...) drifts out of its monitoring windows
    // (0: never).
    int driftEvery = 0;
};

class ShotSynth
{
public:
    explicit ShotSynth(const SynthOptions& options = {});

    // Raw sample counts of one shot: result[channel][sample], channels in system order
    // (module by module), samplesPerShot(config) samples each, 0..32767. Channels not in
    // use (or of a module not in use) carry zeros.
    QList<QList<qint16>> makeShot(const SystemConfig& config, int shotNumber);

    // Samples from the trigger to the end of the observation period, both included:
    // period * 1000 / samplingInterval + 1, the row count of the PC's shot files and of
    // the monitoring waveforms built from them. An interval of 0 counts as 1 ms.
    static int samplesPerShot(const SystemConfig& config);

    // One live value per channel for maintenance (free-run) mode, `elapsedMs` after start:
    // the sensors see the undisturbed process repeat every observation period plus a
    // two-second pause.
    QList<qint16> freeRunSample(const SystemConfig& config, qint64 elapsedMs);

    // Whether makeShot made this shot drift out of a window on purpose: shot numbers
    // k, 2k, 3k ... for driftEvery = k. In a drifting shot every channel in use drifts
    // (CurveShape::drift).
    bool drifts(int shotNumber) const;

private:
    SynthOptions m_options;
};
