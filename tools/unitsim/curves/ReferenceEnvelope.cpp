#include "ReferenceEnvelope.h"

namespace {

int keyFor(quint8 group, int channelInGroup)
{
    return (group - 1) * ReferenceStore::ChannelsPerGroup + channelInGroup;
}

bool validGroup(quint8 group)
{
    return group >= 1 && group <= ReferenceStore::MaxGroups;
}

} // namespace

bool ReferenceStore::setRanges(quint8 module, const QList<quint16>& values)
{
    if (!validGroup(module) || values.size() != 2 * ChannelsPerGroup)
        return false;
    for (int k = 0; k < ChannelsPerGroup; ++k) {
        ReferenceEnvelope& envelope = m_envelopes[keyFor(module, k)];
        envelope.start = values.at(2 * k);
        envelope.end = values.at(2 * k + 1);
    }
    return true;
}

bool ReferenceStore::setWaveformChunk(quint8 module, quint8 channel, quint16 offset, int pointCount,
                                      const QList<quint16>& values)
{
    if (!validGroup(module) || channel < 1 || channel > ChannelsPerGroup)
        return false;
    if (pointCount < 0 || pointCount > MaxPointsPerChunk || values.size() < 2 * pointCount)
        return false;
    const int key = keyFor(module, channel - 1);
    const auto existing = m_envelopes.constFind(key);
    const qsizetype held = existing == m_envelopes.cend() ? 0 : existing->upper.size();
    if (offset > held)
        return false;

    ReferenceEnvelope& envelope = m_envelopes[key];
    envelope.upper.resize(offset);
    envelope.lower.resize(offset);
    for (int p = 0; p < pointCount; ++p) {
        envelope.upper.append(values.at(2 * p));
        envelope.lower.append(values.at(2 * p + 1));
    }
    return true;
}

const ReferenceEnvelope* ReferenceStore::envelope(int globalChannel) const
{
    const auto found = m_envelopes.constFind(globalChannel);
    return found == m_envelopes.cend() ? nullptr : &*found;
}

void ReferenceStore::clear()
{
    m_envelopes.clear();
}
