#pragma once

#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>

// One channel of a shot as it arrives: scaled samples with their running peak and sum,
// then the unit's judgement. Written by the GUI thread, read concurrently by the plot,
// the recorder thread and the log writer; every field is read and written under the lock.
class ChannelShotData : public QObject
{
    Q_OBJECT

public:
    static constexpr double DefaultScale = 0.1;

    explicit ChannelShotData(QObject* parent = nullptr);

    // Raw values keep only their low 15 bits: a set top bit is not a sign.
    static double scaled(qint16 raw, double scale) { return (quint16(raw) & 0x7FFF) * scale; }

    void addSample(quint32 sampleIndex, qint16 raw);
    void setAuxiliary(qint16 raw);
    // Empties samples, peak and sum; configuration and results stay.
    void clear();

    qsizetype sampleCount() const;
    // A copy of `count` samples from `from` (all remaining when count is negative).
    QList<float> samples(qsizetype from = 0, qsizetype count = -1) const;
    float peak() const;
    float sum() const;

    bool enabled() const;
    void setEnabled(bool enabled);
    quint32 unitCode() const;
    void setUnitCode(quint32 code);
    double scale() const;
    void setScale(double scale);
    // "<Untitled>" for a channel without a name; the placeholder then stays as its name.
    QString name() const;
    void setName(const QString& name);
    float auxiliary() const;

    // Results of the unit's judgement, set when the shot ends.
    void setResults(quint16 flags, float peak, float timeAtPeak, float valueAtPoint,
                    float peakOverEject, quint16 integral, quint16 integralToPeak, float slope);
    quint16 resultFlags() const;
    float timeAtPeak() const;
    float valueAtPoint() const;
    float peakOverEject() const;
    quint16 integral() const;
    quint16 integralToPeak() const;
    float slope() const;

private:
    bool m_enabled = true;
    quint32 m_unitCode = 0;
    double m_scale = DefaultScale;
    QList<float> m_samples;
    float m_auxiliary = 0;
    QString m_name;
    quint16 m_resultFlags = 0;
    float m_peak = 0;
    float m_timeAtPeak = 0;
    float m_valueAtPoint = 0;
    float m_peakOverEject = 0;
    quint16 m_integral = 0;
    quint16 m_integralToPeak = 0;
    float m_slope = 0;
    float m_sum = 0;
    mutable QMutex m_lock;
};
