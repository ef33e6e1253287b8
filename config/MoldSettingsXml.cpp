#include "MoldSettingsXml.h"

#include <QDomDocument>
#include <QStringList>

namespace MoldSettingsXml {

namespace {

bool isXmlCharacter(uint c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// Line breaks and tabs in attributes are written as references: a parser would
// otherwise turn them into blanks.
QString escaped(const QString& text, bool inAttribute)
{
    QString out;
    out.reserve(text.size());
    for (uint c : text.toUcs4()) {
        switch (c) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case '"':
            out += inAttribute ? QLatin1String("&quot;") : QLatin1String("\"");
            break;
        case '\r':
            out += QLatin1String("&#13;");
            break;
        case '\n':
            out += inAttribute ? QLatin1String("&#10;") : QLatin1String("\n");
            break;
        case '\t':
            out += inAttribute ? QLatin1String("&#9;") : QLatin1String("\t");
            break;
        default:
            if (isXmlCharacter(c))
                out += QStringView(QChar::fromUcs4(char32_t(c)));
            else
                out += QLatin1Char('?');
        }
    }
    return out;
}

// A parser drops text that is only blanks; in a CDATA section it survives, so a title
// of blanks reads back as written.
QString textContent(const QString& text)
{
    if (!text.isEmpty() && text.trimmed().isEmpty())
        return QLatin1String("<![CDATA[") + text + QLatin1String("]]>");
    return escaped(text, false);
}

QString attributesText(const QDomElement& element)
{
    const QDomNamedNodeMap attributes = element.attributes();
    QStringList names;
    for (int i = 0; i < attributes.count(); ++i)
        names.append(attributes.item(i).nodeName());
    names.sort();
    QString out;
    for (const QString& name : names)
        out += QLatin1Char(' ') + name + QLatin1String("=\"") +
               escaped(element.attribute(name), true) + QLatin1Char('"');
    return out;
}

void writeElement(QString& out, const QDomElement& element, int depth)
{
    const QString indent(depth, QLatin1Char(' '));
    const QString tag = element.tagName();
    out += indent + QLatin1Char('<') + tag + attributesText(element);
    const QDomNodeList children = element.childNodes();
    if (children.isEmpty()) {
        out += QLatin1String("/>\n");
        return;
    }
    if (children.count() == 1 && children.at(0).isText()) {
        out += QLatin1Char('>') + textContent(children.at(0).nodeValue()) + QLatin1String("</") +
               tag + QLatin1String(">\n");
        return;
    }
    out += QLatin1String(">\n");
    for (int i = 0; i < children.count(); ++i) {
        const QDomNode child = children.at(i);
        if (child.isElement())
            writeElement(out, child.toElement(), depth + 1);
        else if (child.isText())
            out += indent + QLatin1Char(' ') + textContent(child.nodeValue()) + QLatin1Char('\n');
    }
    out += indent + QLatin1String("</") + tag + QLatin1String(">\n");
}

} // namespace

QString boolText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

bool isTrue(const QDomElement& element, const QString& attribute)
{
    return element.attribute(attribute) == QLatin1String("true");
}

bool parseInteger(const QString& text, qint64 min, qint64 max, qint64& value)
{
    bool ok = false;
    const qint64 parsed = text.toLongLong(&ok, 10);
    if (!ok || parsed < min || parsed > max)
        return false;
    value = parsed;
    return true;
}

QList<QDomElement> childElements(const QDomElement& parent, const QString& name)
{
    QList<QDomElement> elements;
    for (QDomElement e = parent.firstChildElement(name); !e.isNull();
         e = e.nextSiblingElement(name))
        elements.append(e);
    return elements;
}

QDomElement appendElement(QDomDocument& document, QDomElement& parent, const QString& name)
{
    QDomElement child = document.createElement(name);
    parent.appendChild(child);
    return child;
}

QDomElement textElement(QDomDocument& document, const QString& name, const QString& text)
{
    QDomElement element = document.createElement(name);
    element.appendChild(document.createTextNode(text));
    return element;
}

QByteArray documentText(const QDomDocument& document)
{
    QString out;
    const QString type = document.doctype().name();
    if (!type.isEmpty())
        out += QLatin1String("<!DOCTYPE ") + type + QLatin1String(">\n");
    const QDomElement root = document.documentElement();
    if (!root.isNull())
        writeElement(out, root, 0);
    return out.toUtf8();
}

} // namespace MoldSettingsXml
