#pragma once

#include <QByteArray>
#include <QDomElement>
#include <QList>
#include <QString>

#include <limits>

class QDomDocument;

// Reading and writing the attributes and texts of a mold settings file. Every number
// in the file is a decimal integer, every boolean "true" or "false".
namespace MoldSettingsXml {

inline const QString DocumentType = QStringLiteral("moldsettings");

QString boolText(bool value);
// Only "true" is true; a missing attribute reads as false.
bool isTrue(const QDomElement& element, const QString& attribute);

// A decimal integer within [min, max]; false for anything else, `value` untouched.
bool parseInteger(const QString& text, qint64 min, qint64 max, qint64& value);

// A present attribute holding an integer that fits T. Anything else (missing, empty,
// not a number, out of T's range) is false and leaves `value` unchanged.
template <typename T> bool readInteger(const QDomElement& element, const QString& name, T& value)
{
    qint64 parsed = 0;
    if (!parseInteger(element.attribute(name), qint64(std::numeric_limits<T>::min()),
                      qint64(std::numeric_limits<T>::max()), parsed))
        return false;
    value = T(parsed);
    return true;
}

// For attributes older files may lack: anything that is not an integer fitting T reads
// as 0, so one odd value never costs the operator the whole file.
template <typename T> T optionalInteger(const QDomElement& element, const QString& name)
{
    T value = 0;
    readInteger(element, name, value);
    return value;
}

// The child elements of that name, in document order.
QList<QDomElement> childElements(const QDomElement& parent, const QString& name);
// Appends a new child element and returns it.
QDomElement appendElement(QDomDocument& document, QDomElement& parent, const QString& name);
// An element holding one text node.
QDomElement textElement(QDomDocument& document, const QString& name, const QString& text);

// The file text: the document type line, then the elements with one blank of
// indentation per level. Attributes are written in name order so that saving the same
// configuration twice gives the same bytes. Characters XML cannot carry are written
// as '?'.
QByteArray documentText(const QDomDocument& document);

} // namespace MoldSettingsXml
