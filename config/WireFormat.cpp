#include "WireFormat.h"

#include "FirmwareInfo.h"

#include <QByteArray>
#include <QDataStream>

namespace WireFormat {

ChannelLayout unitChannelLayout()
{
    return firmwareUsesLegacyLayout() ? ChannelLayout::Legacy : ChannelLayout::Current;
}

void writeText(QDataStream& stream, const QString& text)
{
    const QByteArray bytes = text.toLatin1().left(TextSize);
    stream.writeRawData(bytes.constData(), int(bytes.size()));
    writeZeros(stream, TextSize - int(bytes.size()));
}

QString readText(QDataStream& stream)
{
    char bytes[TextSize] = {};
    stream.readRawData(bytes, TextSize);
    return QString::fromLatin1(bytes, qsizetype(qstrnlen(bytes, TextSize)));
}

void writeZeros(QDataStream& stream, int count)
{
    for (int i = 0; i < count; ++i)
        stream << quint8(0);
}

} // namespace WireFormat
