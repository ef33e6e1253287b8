#include "ShotData.h"

#include "BUPacket.h"
#include "ModuleTypeCode.h"
#include "SystemConfig.h"

#include <QDebug>
#include <QMutexLocker>

namespace {

QDateTime shotDateTime(const BUPayload::ShotTime& t)
{
    return QDateTime(QDate(2000 + t.year, t.month, t.day),
                     QTime(t.hour, t.minute, t.second, t.tenths * 100));
}

} // namespace

ShotData::ShotData()
{
    for (int i = 0; i < DefaultChannelCount; ++i)
        m_channels.append(new ChannelShotData);
    m_channelCount = DefaultChannelCount;
}

ShotData::~ShotData()
{
    qDeleteAll(m_channels);
}

void ShotData::configure(const SystemConfig& config)
{
    QMutexLocker lock(&m_lock);
    m_moduleCount = quint8(config.moduleCount());
    m_samplingInterval = config.samplingInterval();
    m_period = config.period();
    m_moduleNames.clear();
    int index = 0;
    for (int m = 0; m < config.moduleCount(); ++m) {
        const ModuleConfigBase* module = config.module(m);
        m_moduleNames.append(module->moduleLabel());
        for (int c = 0; c < module->channelCount(); ++c, ++index) {
            if (index == m_channels.size())
                m_channels.append(new ChannelShotData);
            const ChannelConfig* source = module->channel(c);
            ChannelShotData* channel = m_channels[index];
            channel->clear();
            channel->setResults(0, 0, 0, 0, 0, 0, 0, 0);
            channel->setEnabled(source->enabled());
            channel->setScale(source->valueScale());
            channel->setUnitCode(source->unitCode());
            channel->setName(source->displayTitle());
        }
    }
    m_channelCount = index;
}

void ShotData::clear()
{
    QMutexLocker lock(&m_lock);
    for (int i = 0; i < m_channelCount; ++i)
        m_channels[i]->clear();
    m_surplusReported = false;
    m_nextSampleIndex = 0;
    m_sampleGap = false;
}

void ShotData::begin(const BUPacket& packet)
{
    if (packet.type() != BUPacket::ShotStart)
        return;
    const BUPayload::ShotStart& p = packet.shotStart();
    QMutexLocker lock(&m_lock);
    m_shotNumber = p.shotNumber;
    m_shotTime = shotDateTime(p.time);
    m_elapsedMs = p.elapsedMs;
    m_surplusReported = false;
    m_nextSampleIndex = 0;
    m_sampleGap = false;
    ++m_sequence;
    // A result that does not cover every channel must not leave the judgement of an
    // earlier shot in this buffer standing for the new one.
    for (int i = 0; i < m_channelCount; ++i)
        m_channels[i]->setResults(0, 0, 0, 0, 0, 0, 0, 0);
}

template <typename Visit> void ShotData::walkChannels(const BUPacket& packet, Visit visit)
{
    const BUPayload::ShotSamples& p = packet.shotSamples();
    int index = 0;
    for (int m = 0; m < p.moduleCount; ++m) {
        const BUPayload::ModuleSamples& block = p.modules[m];
        const int channels = ModuleTypeCode::channelCount(block.moduleTypeCode);
        for (int c = 0; c < channels; ++c, ++index) {
            if (index < m_channelCount)
                visit(m_channels[index], block.values[c]);
        }
    }
    if (index > m_channelCount)
        reportSurplusChannels(index);
}

// The unit sends more channels than the configuration has: the extra values have no
// place to go. Said once per shot, not once per sample.
void ShotData::reportSurplusChannels(int total)
{
    if (m_surplusReported)
        return;
    m_surplusReported = true;
    qWarning() << "The unit sends" << total << "channels but the configuration has"
               << m_channelCount << "- the extra values are ignored.";
}

void ShotData::appendShotSamples(const BUPacket& packet)
{
    if (packet.type() != BUPacket::ShotSamples)
        return;
    if (packet.shotSamples().isAuxiliary()) {
        appendAuxiliary(packet);
        return;
    }
    const quint32 sampleIndex = packet.shotSamples().sampleIndex;
    QMutexLocker lock(&m_lock);
    if (m_sampleGap)
        return;
    if (sampleIndex != m_nextSampleIndex) {
        m_sampleGap = true;
        qWarning() << "Shot" << m_shotNumber << "- sample" << sampleIndex << "came where sample"
                   << m_nextSampleIndex << "was due: the shot keeps the" << m_nextSampleIndex
                   << "samples before the gap.";
        return;
    }
    ++m_nextSampleIndex;
    walkChannels(packet, [sampleIndex](ChannelShotData* channel, qint16 raw) {
        channel->addSample(sampleIndex, raw);
    });
}

void ShotData::appendAuxiliary(const BUPacket& packet)
{
    if (packet.type() != BUPacket::ShotSamples || !packet.shotSamples().isAuxiliary())
        return;
    QMutexLocker lock(&m_lock);
    walkChannels(packet, [](ChannelShotData* channel, qint16 raw) { channel->setAuxiliary(raw); });
}

void ShotData::finish(const BUPacket& packet)
{
    if (packet.type() != BUPacket::ShotResult && packet.type() != BUPacket::ShotResultAlt)
        return;
    const BUPayload::ShotResult& p = packet.shotResult();
    QMutexLocker lock(&m_lock);
    m_shotNumber = p.shotNumber;
    m_shotTime = shotDateTime(p.time);
    m_elapsedMs = p.elapsedMs;
    int index = 0;
    for (int m = 0; m < p.moduleCount; ++m) {
        const BUPayload::ModuleResult& block = p.modules[m];
        const int channels = ModuleTypeCode::channelCount(block.moduleTypeCode);
        for (int c = 0; c < channels; ++c, ++index) {
            if (index >= m_channelCount)
                continue;
            ChannelShotData* channel = m_channels[index];
            const double scale = channel->scale();
            const float slope = p.legacyLayout ? 0.0f : float(block.g[c] / 1000.0);
            channel->setResults(block.flags[c], float(ChannelShotData::scaled(block.a[c], scale)),
                                float(block.f[c] / 1000.0),
                                float(ChannelShotData::scaled(block.b[c], scale)),
                                float(ChannelShotData::scaled(block.c[c], scale)),
                                quint16(block.d[c]), quint16(block.e[c]), slope);
        }
    }
    if (index > m_channelCount)
        reportSurplusChannels(index);
}

int ShotData::channelCount() const
{
    QMutexLocker lock(&m_lock);
    return m_channelCount;
}

ChannelShotData* ShotData::channel(int index) const
{
    QMutexLocker lock(&m_lock);
    return index >= 0 && index < m_channelCount ? m_channels[index] : nullptr;
}

quint64 ShotData::sequence() const
{
    QMutexLocker lock(&m_lock);
    return m_sequence;
}

quint8 ShotData::moduleCount() const
{
    QMutexLocker lock(&m_lock);
    return m_moduleCount;
}

QStringList ShotData::moduleNames() const
{
    QMutexLocker lock(&m_lock);
    return m_moduleNames;
}

qint32 ShotData::shotNumber() const
{
    QMutexLocker lock(&m_lock);
    return m_shotNumber;
}

QDateTime ShotData::shotTime() const
{
    QMutexLocker lock(&m_lock);
    return m_shotTime;
}

quint32 ShotData::elapsedSinceLastShot() const
{
    QMutexLocker lock(&m_lock);
    return m_elapsedMs;
}

quint8 ShotData::samplingInterval() const
{
    QMutexLocker lock(&m_lock);
    return m_samplingInterval;
}

quint8 ShotData::observationPeriod() const
{
    QMutexLocker lock(&m_lock);
    return m_period;
}

bool ShotData::isNG() const
{
    QMutexLocker lock(&m_lock);
    for (int i = 0; i < m_channelCount; ++i)
        if (m_channels[i]->resultFlags() != 0)
            return true;
    return false;
}
