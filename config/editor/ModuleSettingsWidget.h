#pragma once

#include "SettingsWidgetBase.h"

#include <memory>

class ModuleConfigBase;

namespace Ui {
class moduleSettingsWidget;
}

// The page of one module: its enabled flag and name for every kind, the pseudo-resister,
// D/A output and sensor table of an eight-channel pressure module, and the compensation
// and alert temperatures of a ZRB module. Edits go into the module at once; what the
// editor's tree shows is reported by signals.
class ModuleSettingsWidget : public SettingsWidgetBase
{
    Q_OBJECT

public:
    explicit ModuleSettingsWidget(QWidget* parent = nullptr);
    ~ModuleSettingsWidget() override;

    void setSystemConfig(SystemConfig* config) override;
    // Null disables the page.
    void setModule(ModuleConfigBase* module, int moduleIndex);
    ModuleConfigBase* module() const { return m_module; }
    int moduleIndex() const { return m_moduleIndex; }

    // Whether the editor is connected to a unit; decides the sensor ratings offered.
    void setConnected(bool connected);

signals:
    void moduleEnabledFlagChanged(int module, bool enabled);
    void moduleNameChanged(int module, const QString& name);
    void channelNameChanged(int module, int channel, const QString& displayTitle);
    void channelEnabledFlagChanged(int module, int channel, bool enabled);

protected:
    void changeEvent(QEvent* event) override;

private:
    void connectCommon();
    void connectKrt24();
    void connectZrb();
    void fill();
    void updateEnabling();

    std::unique_ptr<Ui::moduleSettingsWidget> m_ui;
    ModuleConfigBase* m_module = nullptr;
    int m_moduleIndex = -1;
};
