#include "ChannelShotData.h"

#include <QMutexLocker>

ChannelShotData::ChannelShotData(QObject* parent) : QObject(parent) {}

void ChannelShotData::addSample(quint32 sampleIndex, qint16 raw)
{
    Q_UNUSED(sampleIndex); // samples arrive in order; the index only numbers them
    const double value = scaled(raw, m_scale);
    QMutexLocker lock(&m_lock);
    m_samples.append(float(value));
    if (value > m_peak)
        m_peak = float(value);
    m_sum += float(value);
}

void ChannelShotData::setAuxiliary(qint16 raw)
{
    m_auxiliary = float(scaled(raw, m_scale));
}

void ChannelShotData::clear()
{
    QMutexLocker lock(&m_lock);
    m_samples.clear();
    m_peak = 0;
    m_sum = 0;
}

qsizetype ChannelShotData::sampleCount() const
{
    QMutexLocker lock(&m_lock);
    return m_samples.size();
}

QList<float> ChannelShotData::samples(qsizetype from, qsizetype count) const
{
    QMutexLocker lock(&m_lock);
    if (from < 0 || from >= m_samples.size())
        return {};
    return m_samples.mid(from, count < 0 ? -1 : count);
}

float ChannelShotData::peak() const
{
    QMutexLocker lock(&m_lock);
    return m_peak;
}

float ChannelShotData::sum() const
{
    QMutexLocker lock(&m_lock);
    return m_sum;
}

QString ChannelShotData::name()
{
    if (m_name.isEmpty())
        m_name = tr("<Untitled>");
    return m_name;
}

void ChannelShotData::setResults(quint16 flags, float peak, float timeAtPeak, float valueAtPoint,
                                 float peakOverEject, quint16 integral, quint16 integralToPeak,
                                 float slope)
{
    QMutexLocker lock(&m_lock);
    m_resultFlags = flags;
    m_peak = peak;
    m_timeAtPeak = timeAtPeak;
    m_valueAtPoint = valueAtPoint;
    m_peakOverEject = peakOverEject;
    m_integral = integral;
    m_integralToPeak = integralToPeak;
    m_slope = slope;
}
