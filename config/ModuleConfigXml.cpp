// The common part of a module element of a mold settings file.

#include "ModuleConfigBase.h"
#include "MoldSettingsXml.h"

#include <QDomDocument>
#include <QDomElement>

using namespace MoldSettingsXml;

namespace {

const QString Channel = QStringLiteral("channel");
const QString Id = QStringLiteral("id");
const QString Title = QStringLiteral("title");

// The element whose id is `index`, looked for in document order. An id that is not a
// number stops the search: the file is damaged there.
QDomElement channelElementWithId(const QList<QDomElement>& elements, int index)
{
    for (const QDomElement& e : elements) {
        int id = 0;
        if (!readInteger(e, Id, id))
            return QDomElement();
        if (id == index)
            return e;
    }
    return QDomElement();
}

} // namespace

QDomElement ModuleConfigBase::toElement(QDomDocument& document) const
{
    QDomElement module = document.createElement(QStringLiteral("module"));
    module.setAttribute(QStringLiteral("type"), typeCode());
    module.setAttribute(Id, m_identifier);
    module.setAttribute(QStringLiteral("enabled"), boolText(m_enabled));
    module.appendChild(textElement(document, Title, m_title));
    for (size_t i = 0; i < m_channels.size(); ++i) {
        QDomElement channel = m_channels[i]->toElement(document);
        channel.setAttribute(Id, int(i));
        module.appendChild(channel);
    }
    appendSpecificElement(document, module);
    return module;
}

void ModuleConfigBase::readFromElement(const QDomElement& element)
{
    m_hasError = !readCommonFromElement(element);
    readSpecificFromElement(element);
}

bool ModuleConfigBase::readCommonFromElement(const QDomElement& element)
{
    const QString enabled = element.attribute(QStringLiteral("enabled"));
    const QDomElement title = element.firstChildElement(Title);
    if (!readInteger(element, Id, m_identifier) || enabled.isEmpty() || title.isNull())
        return false;
    m_enabled = enabled == QLatin1String("true");
    m_title = title.text();
    return readChannelsFromElement(element);
}

bool ModuleConfigBase::readChannelsFromElement(const QDomElement& element)
{
    const QList<QDomElement> elements = childElements(element, Channel);
    if (elements.size() != qsizetype(m_channels.size()))
        return false;
    for (size_t i = 0; i < m_channels.size(); ++i) {
        const QDomElement channel = channelElementWithId(elements, int(i));
        if (channel.isNull() || !m_channels[i]->readFromElement(channel))
            return false;
    }
    return true;
}
