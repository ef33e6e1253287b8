#pragma once

#include <QtGlobal>

// The noise-free physical signal of one channel during one shot, in the channel's unit
// (MPa, C or mV) over seconds after the trigger.
//
// Cavity pressure: nothing until the melt front reaches the sensor, a gentle rise while
// the cavity fills, a steep rise to the peak when the cavity is full, then the holding
// pressure settles and sinks slowly while packing, and after the gate freezes the
// pressure decays towards the residual pressure of the cooling part.
// Wall temperature: the mold's own temperature, a few degrees more when the melt touches
// the wall, then a slow decay as the heat flows into the mold; the mold itself warms up
// over the first shots of a run.
// Machine signal (voltage inputs): the machine's hydraulic pressure, which follows the
// injection and holding profile and drops when the holding phase ends.
//
// The levels and times of the undisturbed process are chosen so that a channel with the
// monitoring settings of a new channel (zones and point 10..20 at 1.00..1.50 s and
// 3.00 s, peak at 1.00..2.00 s, eject 3.00..4.00 s, integral 100..200, slope -1..1 per s
// over 1.50..2.00 s) is judged OK for pressure and temperature channels. The
// integral-to-peak band of a new channel (100..200) cannot be met by any curve that also
// keeps its peak inside those zones, so that item is the one a configuration must set.
class CurveShape
{
public:
    enum class Kind
    {
        CavityPressure,
        WallTemperature,
        MachineSignal
    };

    // 1 ("C") gives a temperature, 3 ("mV") a machine signal, anything else a pressure.
    static Kind kindFor(quint32 unitCode);

    // The undisturbed process as a sensor at `position` sees it (0 next to the gate;
    // sensors further along the flow path see the melt later and at lower pressure),
    // `shotNumber` shots into the run.
    static CurveShape nominal(Kind kind, int position, int shotNumber);

    // Shot-to-shot scatter of the process: its levels scaled by `levelFactor`, its
    // events shifted by `shiftSeconds`.
    void vary(double levelFactor, double shiftSeconds);
    // A disturbed shot that leaves the monitoring windows: the pressure overshoots at the
    // end of filling (about 45 % above its peak), the mold temperature runs 8 degrees
    // high (a cooling fault).
    void drift();

    Kind kind() const { return m_kind; }
    // Standard deviation of the sensor noise, in the channel's unit.
    double noiseLevel() const;
    double valueAt(double seconds) const;

private:
    explicit CurveShape(Kind kind) : m_kind(kind) {}

    // The cavity profile next to the gate, `delay` seconds later, its levels scaled by
    // `level` and converted from MPa to the channel's unit.
    void setPressureProfile(double delay, double level, double unitsPerMPa);
    double pressureAt(double t) const;
    double holdingAt(double t) const;
    double temperatureAt(double t) const;

    Kind m_kind;
    // Pressure-like profiles, seconds and the channel's unit.
    double m_onset = 0.0;
    double m_switchover = 0.0;
    double m_peakTime = 0.0;
    double m_packEnd = 0.0;
    double m_fillLevel = 0.0;
    double m_peak = 0.0;
    double m_hold = 0.0;
    double m_decline = 0.0; // per second while packing
    double m_settle = 0.0;  // time constant from the peak down to the holding level
    double m_residual = 0.0;
    double m_coolTime = 0.0; // time constant after the gate froze
    // Temperature profile.
    double m_base = 0.0;
    double m_amplitude = 0.0;
    double m_riseTime = 0.0;
    double m_decayTime = 0.0;
};
