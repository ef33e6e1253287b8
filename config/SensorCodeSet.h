#pragma once

#include <QList>

#include <array>

class QDataStream;
class QDomDocument;
class QDomElement;

// The sensor sensitivity codes of a four-channel module, addressed by channel and, for
// the editors, by position in the kind's code list.
class SensorCodeSet
{
public:
    SensorCodeSet(const QList<quint16>& list, quint16 initialCode);

    bool operator==(const SensorCodeSet& other) const { return m_codes == other.m_codes; }

    // -1 for a channel out of range, 0 for a code the list does not hold.
    int index(int channel) const;
    // An index outside the list changes nothing.
    void setIndex(int channel, int index);
    // 0 for a channel out of range.
    quint16 code(int channel) const;
    void setCode(int channel, quint16 code);

    void writeTo(QDataStream& stream) const;
    void readFrom(QDataStream& stream);

    // Four `sensitivity` elements [channel, value] below a module's own element.
    void appendElements(QDomDocument& document, QDomElement& parent) const;
    // Takes the codes only when there are exactly four elements, each naming a channel
    // 0..3 and a code of exactly two Latin-1 letters; otherwise false and the codes stay.
    bool readElements(const QDomElement& parent);

private:
    static bool isChannel(int channel) { return channel >= 0 && channel < 4; }

    const QList<quint16>* m_list;
    std::array<quint16, 4> m_codes;
};
