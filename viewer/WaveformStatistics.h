#pragma once

#include <QList>

// The statistics the data viewer derives from a channel's recorded waveforms: an average
// with its per-sample standard deviation, and the upper and lower limit envelopes that
// become the monitoring waveform.
namespace WaveformStatistics {

using Waveform = QList<float>;

// Mean of every visible file, sample by sample, over the length of the first file. A
// file shorter than that simply stops counting; a sample no visible file reaches is 0.
// Without any visible file the average is empty: there is nothing to average.
Waveform average(const QList<Waveform>& files, const QList<bool>& visible);

// out[i] = mean of in[i - level .. i + level], the ends repeated beyond the edges.
Waveform smoothed(const Waveform& in, int level);

// Population standard deviation around the given (possibly smoothed) average, over the
// same files and samples the average took.
Waveform standardDeviation(const QList<Waveform>& files, const QList<bool>& visible,
                           const Waveform& average);

// One envelope: the average moved by sigma standard deviations, but at least by the
// minimum offset, never below 0; widened by the time allowance (samples) to the extreme
// of the value itself and the values `allowance` samples before and after (largest for
// a positive sigma, smallest otherwise); then smoothed. Empty when the average and the
// standard deviation differ in length. The lower envelope passes sigma and minimum
// offset negated.
Waveform limitEnvelope(const Waveform& average, const Waveform& deviation, float sigma,
                       float minimumOffset, int allowance, int smoothing);

} // namespace WaveformStatistics
