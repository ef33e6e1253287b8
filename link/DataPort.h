#pragma once

#include "PortBase.h"

// The unit's streaming port: shot packets and unsolicited status arrive here.
class DataPort : public PortBase
{
    Q_OBJECT

public:
    static constexpr quint16 DefaultPort = 50001;

    explicit DataPort(QObject* parent = nullptr);

protected Q_SLOTS:
    void socketError(QAbstractSocket::SocketError error) override;
    void connectionEstablished() override;
};
