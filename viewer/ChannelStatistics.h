#pragma once

#include "DataFileLayout.h"
#include "WaveformStatistics.h"

#include <QList>

// The parameter controls of one channel, as the window and the monitoring waveform file
// hold them. The lower sigma and minimum offset are stored negated, so that one envelope
// routine serves both limits; the user always sees them positive.
struct ChannelParameters
{
    int averageSmoothing = 10;
    float upperSigma = 1.0f;
    int upperSmoothing = 10;
    float upperMinimumOffset = 0.0f;
    int upperTimeAllowance = 20; // samples
    float lowerSigma = -1.0f;
    int lowerSmoothing = 10;
    float lowerMinimumOffset = 0.0f;
    int lowerTimeAllowance = 20;
    int rangeStart = 0; // ms, the monitoring waveform range
    int rangeEnd = 0;

    // Defaults for a channel of the given data file letter over the whole period.
    static ChannelParameters defaults(QChar letter, int periodSeconds);

    // Sigma is chosen on a slider in steps of 0.2 from 0.2 to 8.0.
    static constexpr float SigmaStep = 0.2f;
    static int sigmaSlider(float sigma);
    static float sigmaOfSlider(int slider) { return float(slider) * SigmaStep; }
    // The monitoring waveform range from the seconds typed in the "From" and "To" fields:
    // a "From" that is no number is 0; a "To" that is no number or lies past the period
    // ends the range at the period.
    void setRangeFromSeconds(const QString& from, const QString& to, int periodMs);
};

// A channel's monitoring waveform: the series the file stores and the unit receives.
struct ChannelSeries
{
    WaveformStatistics::Waveform average;
    WaveformStatistics::Waveform deviation;
    WaveformStatistics::Waveform upper;
    WaveformStatistics::Waveform lower;
};

namespace ChannelStatistics {

// Average over the visible files, smoothed, and the standard deviation around it.
void recalculateAverage(const QList<WaveformStatistics::Waveform>& files,
                        const QList<bool>& visible, int smoothing, ChannelSeries& series);
// Lower first, then upper, from the series' average and deviation.
void recalculateLimits(const ChannelParameters& parameters, ChannelSeries& series);

// Every channel's defaults for files of this layout.
QList<ChannelParameters> defaultParameters(const DataFileLayout& layout);
// Every channel's series from the files ([file][channel]) with the given parameters;
// `visible` holds one flag per file.
QList<ChannelSeries> compute(const QList<QList<QList<float>>>& files, const QList<bool>& visible,
                             const QList<ChannelParameters>& parameters);

} // namespace ChannelStatistics
