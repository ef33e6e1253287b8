// Arbitrary bytes through the firmware file check that guards the unit's FTP upload.

#include "SRecordCheck.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const SRecordCheck::Result result = SRecordCheck::check(bytes);
    // A sound file has data and no fault line; a refused one says why, at a line it has.
    if (result.ok != result.reason.isEmpty() || (result.ok && result.dataRecords == 0) ||
        (result.ok && result.line != 0) || result.line < 0 || result.line > bytes.count('\n') + 1)
        std::abort();
    return 0;
}
