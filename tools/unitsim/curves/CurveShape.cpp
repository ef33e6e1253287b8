#include "CurveShape.h"

#include <QtMath>

namespace {

double smoothStep(double u)
{
    u = qBound(0.0, u, 1.0);
    return u * u * (3.0 - 2.0 * u);
}

// The difference of two exponentials, scaled so that its maximum is 1: a quick rise
// with `rise` and a slow fall with `decay`.
double heatPulse(double x, double rise, double decay)
{
    const double peakAt = rise * decay / (decay - rise) * qLn(decay / rise);
    const double norm = qExp(-peakAt / decay) - qExp(-peakAt / rise);
    return (qExp(-x / decay) - qExp(-x / rise)) / norm;
}

constexpr double PositionDelay = 0.012; // seconds per sensor position
constexpr double PositionLoss = 0.012;  // share of the pressure lost per sensor position

} // namespace

CurveShape::Kind CurveShape::kindFor(quint32 unitCode)
{
    switch (unitCode) {
    case 1:
        return Kind::WallTemperature;
    case 3:
        return Kind::MachineSignal;
    default:
        return Kind::CavityPressure;
    }
}

CurveShape CurveShape::nominal(Kind kind, int position, int shotNumber)
{
    CurveShape shape(kind);
    if (kind == Kind::WallTemperature) {
        // The mold warms from 12.5 towards 14.5 degrees over the first few dozen shots.
        shape.m_base = 12.5 + 2.0 * (1.0 - qExp(-qMax(0, shotNumber) / 40.0));
        shape.m_amplitude = 3.0 * (1.0 - 0.03 * position);
        shape.m_onset = 0.50 + PositionDelay * position;
        shape.m_riseTime = 0.3;
        shape.m_decayTime = 8.0;
        return shape;
    }
    if (kind == Kind::MachineSignal) {
        // The machine's pressure, in mV: it leads the cavity's, holds its set point and
        // falls at once when holding ends; it does not depend on where a sensor sits.
        shape.setPressureProfile(0.0, 1.0, 10.0);
        shape.m_onset = 0.05;
        shape.m_decline = 0.0;
        shape.m_residual = 0.0;
        shape.m_coolTime = 0.15;
        return shape;
    }
    shape.setPressureProfile(PositionDelay * position, 1.0 - PositionLoss * position, 1.0);
    return shape;
}

void CurveShape::setPressureProfile(double delay, double level, double unitsPerMPa)
{
    m_onset = 0.25 + delay;
    m_switchover = 0.95 + delay;
    m_peakTime = 1.20 + delay;
    m_packEnd = 6.5;
    m_fillLevel = 7.0 * level * unitsPerMPa;
    m_peak = 17.0 * level * unitsPerMPa;
    m_hold = 16.2 * level * unitsPerMPa;
    m_decline = 0.25 * level * unitsPerMPa;
    m_settle = 0.08;
    m_residual = 9.0 * level * unitsPerMPa;
    m_coolTime = 2.0;
}

void CurveShape::vary(double levelFactor, double shiftSeconds)
{
    for (double* value : {&m_fillLevel, &m_peak, &m_hold, &m_decline, &m_residual, &m_amplitude})
        *value *= levelFactor;
    for (double* time : {&m_onset, &m_switchover, &m_peakTime})
        *time += shiftSeconds;
}

void CurveShape::drift()
{
    if (m_kind == Kind::WallTemperature)
        m_base += 8.0;
    else
        m_peak *= 1.45;
}

double CurveShape::noiseLevel() const
{
    switch (m_kind) {
    case Kind::WallTemperature:
        return 0.02;
    case Kind::MachineSignal:
        return 0.2;
    case Kind::CavityPressure:
        break;
    }
    return 0.04;
}

double CurveShape::valueAt(double seconds) const
{
    return m_kind == Kind::WallTemperature ? temperatureAt(seconds) : pressureAt(seconds);
}

double CurveShape::pressureAt(double t) const
{
    if (t < m_onset)
        return 0.0;
    if (t < m_switchover) {
        const double u = (t - m_onset) / (m_switchover - m_onset);
        return m_fillLevel * u * u;
    }
    if (t < m_peakTime)
        return m_fillLevel + (m_peak - m_fillLevel) *
                                 smoothStep((t - m_switchover) / (m_peakTime - m_switchover));
    if (t < m_packEnd)
        return holdingAt(t);
    const double atFreeze = holdingAt(m_packEnd);
    return m_residual + (atFreeze - m_residual) * qExp(-(t - m_packEnd) / m_coolTime);
}

double CurveShape::holdingAt(double t) const
{
    const double since = t - m_peakTime;
    return m_hold - m_decline * since + (m_peak - m_hold) * qExp(-since / m_settle);
}

double CurveShape::temperatureAt(double t) const
{
    if (t < m_onset)
        return m_base;
    return m_base + m_amplitude * heatPulse(t - m_onset, m_riseTime, m_decayTime);
}
