#include "DataPort.h"

#include <QDebug>

DataPort::DataPort(QObject* parent) : PortBase(parent)
{
    setAddress(QHostAddress(QStringLiteral("192.168.2.100")));
    setPort(DefaultPort);
}

void DataPort::socketError(QAbstractSocket::SocketError error)
{
    PortBase::socketError(error);
    Q_EMIT linkUpdate(false);
}

void DataPort::connectionEstablished()
{
    PortBase::connectionEstablished();
    qDebug("Data Connection Established.");
    Q_EMIT linkUpdate(true);
}
