#pragma once

#include "ShotLogReader.h"
#include "TrendItem.h"

#include <QList>

class ChannelConfig;

// Limits proposed from good shots: for each enabled item of a channel that the shot log
// measures, lower and upper = mean ± kσ of the item over the last N OK shots of the
// current settings, widened to whole counts and clipped to the range the item may take.
// An item with fewer than MinimumShots values gets no proposal.
class LimitSuggestion
{
public:
    static constexpr double DefaultK = 4.5;
    static constexpr int DefaultShots = 20;
    static constexpr int MinimumShots = 5;

    struct Limit
    {
        TrendItem item = TrendItem::Peak;
        int used = 0;
        double mean = 0; // log units
        double sigma = 0;
        qint64 currentLower = 0; // stored counts
        qint64 currentUpper = 0;
        qint64 suggestedLower = 0;
        qint64 suggestedUpper = 0;
        bool suggested = false; // enough values
        bool clipped = false;   // mean ± kσ reached beyond the item's range
    };

    // `shots` are one channel's, oldest first; only those of `segment` count.
    static LimitSuggestion compute(const ChannelConfig& channel, const QList<TrendShot>& shots,
                                   int segment, double k, int count);

    const QList<Limit>& limits() const { return m_limits; }
    // The OK shots taken, oldest first.
    const QList<quint32>& shotNumbers() const { return m_shotNumbers; }
    bool hasSuggestion() const;
    // Writes every suggested limit into the channel, leaving everything else as it is.
    void applyTo(ChannelConfig& channel) const;

private:
    QList<Limit> m_limits;
    QList<quint32> m_shotNumbers;
};
