#pragma once

#include <QTreeWidgetItem>

class ChannelConfig;
class ModuleConfigBase;
class SystemConfig;

// One node of the editor's tree: the system (level 0), a module (1) or a channel (2),
// with the object it shows and its indexes (-1 where they do not apply).
class SystemTreeWidgetItem : public QTreeWidgetItem
{
public:
    enum Level
    {
        SystemLevel = 0,
        ModuleLevel = 1,
        ChannelLevel = 2
    };

    SystemTreeWidgetItem(QTreeWidget* tree, SystemConfig* system);
    SystemTreeWidgetItem(QTreeWidgetItem* parent, ModuleConfigBase* module, int moduleIndex);
    SystemTreeWidgetItem(QTreeWidgetItem* parent, ChannelConfig* channel, int moduleIndex,
                         int channelIndex);

    int level() const { return m_level; }
    SystemConfig* system() const { return m_system; }
    ModuleConfigBase* module() const { return m_module; }
    ChannelConfig* channel() const { return m_channel; }
    int moduleIndex() const { return m_moduleIndex; }
    int channelIndex() const { return m_channelIndex; }

private:
    int m_level;
    SystemConfig* m_system = nullptr;
    ModuleConfigBase* m_module = nullptr;
    ChannelConfig* m_channel = nullptr;
    int m_moduleIndex = -1;
    int m_channelIndex = -1;
};
