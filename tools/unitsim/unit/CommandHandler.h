#pragma once

#include <QByteArray>
#include <QObject>

class UnitState;

// A reply frame's type and payload; a negative type means the request gets no reply.
struct UnitReply
{
    int type = -1;
    QByteArray payload;

    bool isNone() const { return type < 0; }
};

// The unit's side of the command set: answers each control-port request from the
// unit's state and announces what changed, so the shot stream can follow.
// A request the unit cannot carry out (unknown type, wrong size, a module it does not
// have, a value out of range) is answered with Nak carrying the request's type, and
// changes nothing.
class CommandHandler : public QObject
{
    Q_OBJECT

public:
    explicit CommandHandler(UnitState& state, QObject* parent = nullptr);

    UnitReply handle(quint8 type, const QByteArray& payload);
    UnitReply nak(quint8 requestType) const;
    // A well-formed reply of another type than `right`, for the wrong-reply fault.
    UnitReply wrongReplyFor(const UnitReply& right) const;

Q_SIGNALS:
    void modeChanged(int mode);
    void shotAbortRequested();
    void zeroResetRequested();
    // Counters, mode or alarm changed by a command: the PC should hear of it.
    void statusChanged();
    void configurationChanged();
    void firmwareUpdateRequested();

private:
    UnitReply unitInfo(quint8 type);
    UnitReply statusControl(quint8 type, const QByteArray& payload);
    void applyCommandBits(quint8 bits);
    UnitReply ioControl(quint8 type, const QByteArray& payload);
    UnitReply systemConfig(quint8 type, const QByteArray& payload);
    UnitReply moduleConfig(quint8 type, const QByteArray& payload);
    UnitReply clock(quint8 type, const QByteArray& payload);
    UnitReply monitoringRanges(quint8 type, const QByteArray& payload);
    UnitReply monitoringWaveform(quint8 type, const QByteArray& payload);
    UnitReply ack(quint8 requestType) const;
    UnitReply status() const;
    bool knownModule(qint32 moduleTypeCode) const;
    UnitReply refuse(quint8 type, const QString& why) const;

    UnitState& m_state;
};
