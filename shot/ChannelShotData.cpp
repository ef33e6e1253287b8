#include "ChannelShotData.h"

#include <QMutexLocker>

ChannelShotData::ChannelShotData(QObject* parent) : QObject(parent), m_name(tr("<Untitled>")) {}

void ChannelShotData::addSample(quint32 sampleIndex, qint16 raw)
{
    Q_UNUSED(sampleIndex); // samples arrive in order; the index only numbers them
    QMutexLocker lock(&m_lock);
    const double value = scaled(raw, m_scale);
    m_samples.append(float(value));
    if (value > m_peak)
        m_peak = float(value);
    m_sum += float(value);
}

void ChannelShotData::setAuxiliary(qint16 raw)
{
    QMutexLocker lock(&m_lock);
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

QString ChannelShotData::name() const
{
    QMutexLocker lock(&m_lock);
    return m_name;
}

void ChannelShotData::setName(const QString& name)
{
    QMutexLocker lock(&m_lock);
    m_name = name.isEmpty() ? tr("<Untitled>") : name;
}

bool ChannelShotData::enabled() const
{
    QMutexLocker lock(&m_lock);
    return m_enabled;
}

void ChannelShotData::setEnabled(bool enabled)
{
    QMutexLocker lock(&m_lock);
    m_enabled = enabled;
}

quint32 ChannelShotData::unitCode() const
{
    QMutexLocker lock(&m_lock);
    return m_unitCode;
}

void ChannelShotData::setUnitCode(quint32 code)
{
    QMutexLocker lock(&m_lock);
    m_unitCode = code;
}

double ChannelShotData::scale() const
{
    QMutexLocker lock(&m_lock);
    return m_scale;
}

void ChannelShotData::setScale(double scale)
{
    QMutexLocker lock(&m_lock);
    m_scale = scale;
}

float ChannelShotData::auxiliary() const
{
    QMutexLocker lock(&m_lock);
    return m_auxiliary;
}

quint16 ChannelShotData::resultFlags() const
{
    QMutexLocker lock(&m_lock);
    return m_resultFlags;
}

float ChannelShotData::timeAtPeak() const
{
    QMutexLocker lock(&m_lock);
    return m_timeAtPeak;
}

float ChannelShotData::valueAtPoint() const
{
    QMutexLocker lock(&m_lock);
    return m_valueAtPoint;
}

float ChannelShotData::peakOverEject() const
{
    QMutexLocker lock(&m_lock);
    return m_peakOverEject;
}

quint16 ChannelShotData::integral() const
{
    QMutexLocker lock(&m_lock);
    return m_integral;
}

quint16 ChannelShotData::integralToPeak() const
{
    QMutexLocker lock(&m_lock);
    return m_integralToPeak;
}

float ChannelShotData::slope() const
{
    QMutexLocker lock(&m_lock);
    return m_slope;
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
