#pragma once

#include "ChannelConfig.h"

#include <QString>

#include <memory>
#include <vector>

class QByteArray;
class QDataStream;
class QDomDocument;
class QDomElement;
class SystemConfig;

// One plug-in module of the unit: title, identifier, enabled flag and its channels,
// plus what its kind adds. A module owns its channels; its parent configuration owns
// the module.
class ModuleConfigBase
{
public:
    virtual ~ModuleConfigBase();
    ModuleConfigBase& operator=(const ModuleConfigBase&) = delete;

    // Deep copy with the same parent.
    virtual std::unique_ptr<ModuleConfigBase> clone() const = 0;

    // Title and every channel's monitoring settings. The enabled flag, the identifier and
    // the kind's own parameters are not compared.
    virtual bool equals(const ModuleConfigBase& other) const;
    bool differs(const ModuleConfigBase& other) const { return !equals(other); }
    // equals() and the same kind with the same kind-specific parameters.
    virtual bool equalsWithSpecific(const ModuleConfigBase& other) const = 0;
    bool differsWithSpecific(const ModuleConfigBase& other) const
    {
        return !equalsWithSpecific(other);
    }

    virtual bool hasError() const { return m_hasError; }
    void setHasError(bool hasError) { m_hasError = hasError; }

    // The module block for a ModuleConfigTransfer write, without the access byte, in the
    // channel layout of the connected unit.
    virtual void writeTo(QDataStream& stream) const;
    // Applies a ModuleConfigData reply (the payload, starting with the access byte) in the
    // channel layout of the connected unit: title, every channel and the kind's parameters. A reply
    // whose identifier names another kind is not for this module and changes nothing. A reply
    // shorter than its layout is applied with the missing fields as zero. True only for a reply of
    // this kind that held every field.
    bool readFromUnit(const QByteArray& payload);

    // The module element of a mold settings file: type, identifier, enabled flag, title,
    // the channels with their ids, then the kind's own element.
    QDomElement toElement(QDomDocument& document) const;

    virtual int typeCode() const = 0;
    virtual QString typeName() const = 0;
    // 0xAARRGGBB, as QRgb.
    virtual quint32 color() const = 0;
    virtual int channelCount() const = 0;
    virtual quint8 kindFlag() const = 0;

    // Position of a channel's sensor code in its kind's code list; -1 for kinds without
    // sensor codes.
    virtual int sensorCodeIndex(int channel) const;
    virtual void setSensorCodeIndex(int channel, int index);

    // Copies channel `channel` to every other channel. Each target keeps its enabled flag,
    // its title and its fixed title: those belong to the channel's place in the module.
    void applyChannelToAll(int channel);

    const QString& title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    quint32 identifier() const { return m_identifier; }
    void setIdentifier(quint32 identifier) { m_identifier = identifier; }
    // The identifier as the unit's requests carry it (i32).
    qint32 moduleTypeCode() const { return qint32(m_identifier); }
    // The identifier as 8 lowercase hexadecimal digits.
    QString identifierText() const;
    // Identifier text followed by the title in round brackets.
    QString moduleLabel() const;

    SystemConfig* parent() const { return m_parent; }
    void setParent(SystemConfig* parent) { m_parent = parent; }

    // Null when the index is out of range.
    ChannelConfig* channel(int index);
    const ChannelConfig* channel(int index) const;

protected:
    // Titles the module and its channels after the number of modules the parent holds.
    ModuleConfigBase(SystemConfig* parent, int channelCount);
    // Deep copy: the channels are copied and point to the new module.
    ModuleConfigBase(const ModuleConfigBase& other);

    void setChannelScale(int channel, const ChannelScale& scale);
    void setAllChannelScales(const ChannelScale& scale);

    // The kind's part of a write block and of a reply; the stream stands after the
    // channel records.
    virtual void writeSpecificTo(QDataStream& stream) const = 0;
    virtual void readSpecificFromUnit(QDataStream& stream) = 0;
    // Bytes of the kind's part in a reply.
    virtual int specificReplySize() const = 0;

    // Reads a module element of a mold settings file over this freshly built module. The
    // common part alone decides hasError; the kind's own element is optional and at worst
    // leaves the kind's defaults.
    void readFromElement(const QDomElement& element);
    // The kind's part of the module element, after the channels.
    virtual void appendSpecificElement(QDomDocument& document, QDomElement& module) const = 0;
    virtual void readSpecificFromElement(const QDomElement& module) = 0;

private:
    bool readCommonFromElement(const QDomElement& element);
    bool readChannelsFromElement(const QDomElement& element);

    QString m_title;
    bool m_enabled = true;
    quint32 m_identifier = 0;
    bool m_hasError = false;
    SystemConfig* m_parent = nullptr;
    std::vector<std::unique_ptr<ChannelConfig>> m_channels;
};
