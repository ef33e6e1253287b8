#include "MachineRequestReader.h"

QList<QByteArray> MachineRequestReader::feed(const QByteArray& bytes)
{
    QList<QByteArray> ids;
    for (const char byte : bytes) {
        if (byte == kEot) {
            if (m_inRequest)
                m_discarded += 1 + m_id.size();
            m_inRequest = true;
            m_id.clear();
        } else if (!m_inRequest) {
            ++m_discarded;
        } else if (byte == kEnq) {
            if (m_id.isEmpty())
                m_discarded += 2;
            else
                ids.append(m_id);
            m_inRequest = false;
            m_id.clear();
        } else if (m_id.size() >= kMaxIdLength) {
            m_discarded += 2 + m_id.size();
            m_inRequest = false;
            m_id.clear();
        } else {
            m_id.append(byte);
        }
    }
    return ids;
}

void MachineRequestReader::reset()
{
    if (m_inRequest)
        m_discarded += 1 + m_id.size();
    m_inRequest = false;
    m_id.clear();
}
