// Arbitrary text as a daily shot log read for a trend: every shot read has a value, and
// every value is a finite number.

#include "ShotLogReader.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The first byte picks the channel, so columns beyond CH1 are reached too.
    const int channel = size > 0 ? data[0] % 4 : 0;
    ShotLogReader reader(channel);
    reader.read(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    for (const TrendShot& shot : reader.shots()) {
        bool any = false;
        for (float value : shot.values) {
            if (std::isinf(value))
                std::abort();
            any = any || !std::isnan(value);
        }
        if (!any || shot.segment > reader.currentSegment())
            std::abort();
    }
    return 0;
}
