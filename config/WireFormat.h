#pragma once

#include <QString>

class QDataStream;

// Pieces shared by the configuration blocks exchanged with the unit.
namespace WireFormat {

// Older firmware sends shorter channel records without eject limits and slope.
enum class ChannelLayout
{
    Current,
    Legacy
};

// The layout of the connected unit, decided by its firmware type at the moment of the call.
ChannelLayout unitChannelLayout();

constexpr int channelRecordSize(ChannelLayout layout)
{
    return layout == ChannelLayout::Current ? 72 : 56;
}

constexpr int TextSize = 16;

// Text fields are exactly 16 bytes of Latin-1, cut or padded with zero bytes. Latin-1
// keeps one byte per character, so "16 characters" and "16 bytes" agree; characters
// outside it travel as '?'.
void writeText(QDataStream& stream, const QString& text);
// Ends the text at the first zero byte. Bytes missing at the end of a short reply
// read as zero.
QString readText(QDataStream& stream);

void writeZeros(QDataStream& stream, int count);

} // namespace WireFormat
