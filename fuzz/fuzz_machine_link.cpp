// Arbitrary bytes as the molding machine's serial stream, cut into reads of 1 to 16 bytes,
// and as the molding machine table file.

#include "MachineFrameReceiver.h"
#include "MoldMachineTable.h"

#include <QByteArray>
#include <QTextStream>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    MachineFrameReceiver receiver;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype chunk = 1 + (quint8(bytes.at(at)) & 15);
        const MachineFrameReceiver::Result result = receiver.append(bytes.mid(at, chunk));
        at += chunk;
        if (receiver.pendingBytes() > MachineFrameReceiver::MaxPendingBytes + 16)
            std::abort(); // noise must not grow the buffer
        if (result != MachineFrameReceiver::Result::Frame)
            continue;
        const QByteArray frame = receiver.frame();
        if (frame.isEmpty() || frame.at(0) != MachineFrameReceiver::Stx ||
            frame.size() > MachineFrameReceiver::MaxFrameLength + 2)
            std::abort();
        for (const qsizetype echo : {0, 1, 4, 200}) {
            if (MachineFrameReceiver::replyText(frame, echo).size() >= frame.size())
                std::abort();
        }
        MachineFrameReceiver::hasValidBcc(frame);
    }

    QByteArray text = bytes;
    QTextStream in(&text);
    const MoldMachineTable::ReadResult table = MoldMachineTable::read(in);
    if (table.records.size() > MoldMachineTable::MaxRecords ||
        table.records.size() > table.countedLines)
        std::abort();
    return 0;
}
