#include "SensorCodeSet.h"

#include "SensorCodeList.h"

#include <QDataStream>

SensorCodeSet::SensorCodeSet(const QList<quint16>& list, quint16 initialCode) : m_list(&list)
{
    m_codes.fill(initialCode);
}

int SensorCodeSet::index(int channel) const
{
    if (!isChannel(channel))
        return -1;
    return SensorCodeList::indexOf(*m_list, m_codes[size_t(channel)]);
}

void SensorCodeSet::setIndex(int channel, int index)
{
    if (index >= 0 && index < m_list->size())
        setCode(channel, m_list->at(index));
}

quint16 SensorCodeSet::code(int channel) const
{
    return isChannel(channel) ? m_codes[size_t(channel)] : 0;
}

void SensorCodeSet::setCode(int channel, quint16 code)
{
    if (isChannel(channel))
        m_codes[size_t(channel)] = code;
}

void SensorCodeSet::writeTo(QDataStream& stream) const
{
    for (quint16 code : m_codes)
        stream << code;
}

void SensorCodeSet::readFrom(QDataStream& stream)
{
    for (quint16& code : m_codes)
        stream >> code;
}
