#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>

class SystemConfig;
struct ChannelResult;

// Builds the frames the unit streams for a configuration: one module block per module
// in configuration order, with as many values as the module's code has channels.
//
// A unit streams only configurations whose blocks fit one ShotSamples frame (at most
// 104 bytes of blocks: five 8-channel modules, or eight 4-channel ones), since the PC
// assigns the values of one frame to its channels by position. Results that do not fit
// one ShotResult frame (more than four 8-channel modules in the current layout) continue
// in a ShotResultAlt frame of the same layout, which carries the remaining modules.
class ShotFrames
{
public:
    static constexpr int MaxSampleBlockBytes =
        110 - 6; // ShotSamples payload limit minus its header
    static constexpr int MaxResultBlockBytes =
        801 - 17; // ShotResult payload limit minus its header
    static constexpr quint32 AuxiliaryIndex = 0xFFFFFFFFU;

    ShotFrames(const SystemConfig& config, bool legacyLayout);

    // Whether a configuration's sample blocks fit one frame; `why` says why not.
    static bool fitsSampleFrame(const SystemConfig& config, QString* why = nullptr);

    int channelCount() const { return m_channelCount; }

    QByteArray shotStart(qint32 shotNumber, const QDateTime& time, quint32 elapsedMs) const;
    // Sample `index` of every channel: curves[channel][index].
    QByteArray samples(quint32 index, const QList<QList<qint16>>& curves) const;
    // One value per channel, in channel order.
    QByteArray values(quint32 index, const QList<qint16>& channelValues) const;
    // One ShotResult frame, followed by a ShotResultAlt frame when the modules need more room.
    QList<QByteArray> results(qint32 shotNumber, const QDateTime& time, quint32 elapsedMs,
                              const QList<ChannelResult>& results) const;
    static QByteArray unitStatus(const QByteArray& payload);

private:
    int resultBlockSize(int channels) const;
    QByteArray resultFrame(int type, int firstModule, int moduleCount, qint32 shotNumber,
                           const QDateTime& time, quint32 elapsedMs,
                           const QList<ChannelResult>& results) const;

    bool m_legacy;
    QList<qint32> m_moduleCodes;
    QList<int> m_moduleChannels;
    QList<int> m_firstChannel;
    int m_channelCount = 0;
    QByteArray m_samplesTemplate; // a ShotSamples frame with codes in place, values to fill
};
