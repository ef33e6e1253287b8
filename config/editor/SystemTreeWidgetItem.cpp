#include "SystemTreeWidgetItem.h"

SystemTreeWidgetItem::SystemTreeWidgetItem(QTreeWidget* tree, SystemConfig* system)
    : QTreeWidgetItem(tree), m_level(SystemLevel), m_system(system)
{
}

SystemTreeWidgetItem::SystemTreeWidgetItem(QTreeWidgetItem* parent, ModuleConfigBase* module,
                                           int moduleIndex)
    : QTreeWidgetItem(parent), m_level(ModuleLevel), m_module(module), m_moduleIndex(moduleIndex)
{
}

SystemTreeWidgetItem::SystemTreeWidgetItem(QTreeWidgetItem* parent, ChannelConfig* channel,
                                           int moduleIndex, int channelIndex)
    : QTreeWidgetItem(parent), m_level(ChannelLevel), m_channel(channel),
      m_moduleIndex(moduleIndex), m_channelIndex(channelIndex)
{
}
