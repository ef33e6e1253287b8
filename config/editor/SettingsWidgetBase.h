#pragma once

#include <QWidget>

class SystemConfig;

// A right-hand page of the configuration editor. Pages edit the editor's copy of the
// configuration in place; the editor owns that copy and outlives the pages' use of it.
class SettingsWidgetBase : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsWidgetBase(QWidget* parent = nullptr) : QWidget(parent) {}

    virtual void setSystemConfig(SystemConfig* config) { m_systemConfig = config; }
    SystemConfig* systemConfig() const { return m_systemConfig; }

protected:
    SystemConfig* m_systemConfig = nullptr;
};
