// Arbitrary text as a recorded waveform file read back as reference waveforms.

#include "ReferenceFileReader.h"

#include <QByteArray>
#include <QTextStream>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool quiet = [] {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        return true;
    }();
    (void)quiet;
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QTextStream in(&bytes);
    const ReferenceFileReader::Result result = ReferenceFileReader::read(in);
    if (!result.ok())
        return 0;
    // Every waveform keeps one value per data row.
    for (const QList<float>& waveform : result.waveforms)
        if (waveform.size() != result.waveforms.first().size())
            std::abort();
    return 0;
}
