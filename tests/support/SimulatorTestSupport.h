#pragma once

#include "BUPacket.h"
#include "FirmwareInfo.h"
#include "FrameReceiver.h"
#include "SimulatorOptions.h"
#include "SimulatorThread.h"
#include "UnitSimulator.h"
#include "UnitState.h"

#include <QHostAddress>
#include <QList>
#include <QTcpSocket>

#include <memory>

// Helpers for tests that run the simulated unit. The simulator's own tests run theirs on
// 127.0.41.x (address()); other test programs pick their own 127.x.y.z, so they run in parallel.
namespace SimTest {

inline QHostAddress address(int n)
{
    return QHostAddress(QStringLiteral("127.0.41.%1").arg(n));
}

// A unit on `address` that streams fast: unit time runs 20 times faster than real time.
inline SimulatorOptions fastUnit(const QHostAddress& address,
                                 const FirmwareIdentity& firmware = FirmwareIdentity::standard())
{
    SimulatorOptions options;
    options.address = address;
    options.firmware = firmware;
    options.config.setPeriod(1);
    options.config.setSamplingInterval(5);
    options.speed = 20;
    options.cycleTimeMs = 1500;
    options.tickMs = 5;
    return options;
}

// The manager decodes layouts by the process-wide firmware type; tests set it to match
// the simulated unit and restore it afterwards.
class FirmwareTypeGuard
{
public:
    explicit FirmwareTypeGuard(int type) : m_saved(firmwareType.load()) { firmwareType = type; }
    ~FirmwareTypeGuard() { firmwareType = m_saved; }

private:
    int m_saved;
};

inline SystemConfig unitConfig(SimulatorThread& unit)
{
    SystemConfig config;
    unit.call([&](UnitSimulator& sim) { config = sim.state().config(); });
    return config;
}

// One frame from the data port, as the manager's frame receiver decoded it.
struct Frame
{
    int type = 0;
    BUPayload::ShotStart start;
    quint32 sampleIndex = 0;
    QList<qint32> moduleCodes;
    QList<qint16> values; // every channel of a ShotSamples frame, in channel order
    BUPayload::UnitStatus status() const { return m_status ? *m_status : BUPayload::UnitStatus{}; }
    std::shared_ptr<BUPayload::UnitStatus> m_status;
    std::shared_ptr<BUPayload::ShotResult> result;
};

// The manager's side of the data port, decoding with FrameReceiver. Construct it after
// setting the firmware type: the packet's length limits depend on it.
class StreamClient : public QObject
{
public:
    explicit StreamClient(const QHostAddress& address, quint16 port = 50001) : m_receiver(&m_packet)
    {
        connect(&m_socket, &QTcpSocket::readyRead, this, [this] { read(); });
        m_socket.connectToHost(address, port);
    }

    bool waitConnected() { return m_socket.waitForConnected(5000); }
    QTcpSocket& socket() { return m_socket; }
    const FrameReceiver& receiver() const { return m_receiver; }
    const QList<Frame>& frames() const { return m_frames; }
    int readsEndingInsideAFrame() const { return m_partialReads; }
    int readsWithSeveralFrames() const { return m_multiFrameReads; }

    int count(int type) const
    {
        return int(std::count_if(m_frames.begin(), m_frames.end(),
                                 [type](const Frame& f) { return f.type == type; }));
    }

    // The frames of the first shot seen from its ShotStart on, up to and including the
    // UnitStatus that follows its results; empty while no such shot is complete.
    QList<Frame> firstCompleteShot() const
    {
        if (m_firstShotEnd < 0)
            return {};
        return m_frames.mid(m_firstShotStart, m_firstShotEnd - m_firstShotStart + 1);
    }

private:
    void read()
    {
        const QByteArray bytes = m_socket.readAll();
        m_receiver.append(bytes);
        int decoded = 0;
        while (m_receiver.decodeNext()) {
            m_frames << snapshot();
            noteShotBoundary();
            ++decoded;
        }
        if (decoded >= 2)
            ++m_multiFrameReads;
        if (m_receiver.bufferedBytes() > 0)
            ++m_partialReads;
    }

    void noteShotBoundary()
    {
        const qsizetype last = m_frames.size() - 1;
        const int type = m_frames[last].type;
        if (m_firstShotStart < 0 && type == BUPacket::ShotStart)
            m_firstShotStart = last;
        else if (m_firstShotStart >= 0 && m_firstShotEnd < 0 && type == BUPacket::UnitStatus &&
                 (m_frames[last - 1].type == BUPacket::ShotResult ||
                  m_frames[last - 1].type == BUPacket::ShotResultAlt))
            m_firstShotEnd = last;
    }

    Frame snapshot() const
    {
        Frame frame;
        frame.type = m_packet.type();
        switch (frame.type) {
        case BUPacket::ShotStart:
            frame.start = m_packet.shotStart();
            break;
        case BUPacket::ShotSamples: {
            const BUPayload::ShotSamples& s = m_packet.shotSamples();
            frame.sampleIndex = s.sampleIndex;
            for (int m = 0; m < s.moduleCount; ++m) {
                frame.moduleCodes << s.modules[m].moduleTypeCode;
                const int channels = ModuleTypeCode::channelCount(s.modules[m].moduleTypeCode);
                for (int c = 0; c < channels; ++c)
                    frame.values << s.modules[m].values[c];
            }
            break;
        }
        case BUPacket::ShotResult:
        case BUPacket::ShotResultAlt:
            frame.result = std::make_shared<BUPayload::ShotResult>(m_packet.shotResult());
            break;
        case BUPacket::UnitStatus:
            frame.m_status = std::make_shared<BUPayload::UnitStatus>(m_packet.unitStatus());
            break;
        default:
            break;
        }
        return frame;
    }

    QTcpSocket m_socket;
    BUPacket m_packet;
    FrameReceiver m_receiver;
    QList<Frame> m_frames;
    int m_partialReads = 0;
    int m_multiFrameReads = 0;
    qsizetype m_firstShotStart = -1;
    qsizetype m_firstShotEnd = -1;
};

} // namespace SimTest
