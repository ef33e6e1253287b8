#include "SensorCodeSet.h"

#include "MoldSettingsXml.h"
#include "SensorCodeList.h"

#include <QDataStream>
#include <QDomDocument>

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

void SensorCodeSet::appendElements(QDomDocument& document, QDomElement& parent) const
{
    for (size_t channel = 0; channel < m_codes.size(); ++channel) {
        QDomElement element =
            MoldSettingsXml::appendElement(document, parent, QStringLiteral("sensitivity"));
        element.setAttribute(QStringLiteral("channel"), int(channel));
        element.setAttribute(QStringLiteral("value"), SensorCodeList::text(m_codes[channel]));
    }
}

bool SensorCodeSet::readElements(const QDomElement& parent)
{
    const QList<QDomElement> elements =
        MoldSettingsXml::childElements(parent, QStringLiteral("sensitivity"));
    if (elements.size() != qsizetype(m_codes.size()))
        return false;
    std::array<quint16, 4> read = m_codes;
    for (const QDomElement& element : elements) {
        int channel = -1;
        const QString value = element.attribute(QStringLiteral("value"));
        if (!MoldSettingsXml::readInteger(element, QStringLiteral("channel"), channel) ||
            !isChannel(channel) || value.size() != 2 || value.at(0).unicode() > 0xFF ||
            value.at(1).unicode() > 0xFF)
            return false;
        read[size_t(channel)] =
            SensorCodeList::code(char(value.at(0).toLatin1()), char(value.at(1).toLatin1()));
    }
    m_codes = read;
    return true;
}
