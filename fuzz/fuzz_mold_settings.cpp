// Arbitrary bytes as a mold settings file. A configuration that loads must also write
// back and load again: the reader must never accept what the writer cannot reproduce.

#include "MoldSettingsFile.h"
#include "SystemConfig.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool quiet = [] {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        return true;
    }();
    (void)quiet;
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    MoldSettingsFile::ReadResult result = MoldSettingsFile::fromXml(text);
    if (result.status != MoldSettingsFile::Status::Ok || !result.config)
        return 0;
    MoldSettingsFile::ReadResult again =
        MoldSettingsFile::fromXml(MoldSettingsFile::toXml(*result.config));
    if (again.status != MoldSettingsFile::Status::Ok || !again.config->equals(*result.config))
        std::abort();
    return 0;
}
