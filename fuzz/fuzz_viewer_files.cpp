// Arbitrary bytes as a recorded data file opened in the data viewer and as a monitoring
// waveform file loaded back.
#include "DataFileReader.h"
#include "MonitoringWaveformFile.h"

#include <QByteArrayView>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const DataFileReader::Result recorded = DataFileReader::parse(bytes, nullptr);
    // Every channel keeps one value per data row.
    for (const QList<float>& channel : recorded.channels)
        if (channel.size() != recorded.rowCount())
            std::abort();

    const MonitoringWaveformFile::ReadResult loaded = MonitoringWaveformFile::parse(bytes);
    const MonitoringWaveform& w = loaded.waveform;
    if (w.series.size() != w.parameters.size() || w.series.size() > w.layout.channelCount())
        std::abort();
    // A channel is taken only complete: four series of one row per sample of the period.
    for (const ChannelSeries& s : w.series) {
        const qsizetype rows = w.layout.samplesPerPeriod();
        if (s.average.size() != rows || s.deviation.size() != rows || s.upper.size() != rows ||
            s.lower.size() != rows)
            std::abort();
    }
    return 0;
}
