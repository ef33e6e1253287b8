#pragma once

#include "SettingsWidgetBase.h"

#include <memory>

namespace Ui {
class systemSettingsWidget;
}

// The page of the system settings: observation period and sampling rate, the start
// trigger, the alarm and its clearing, and the outputs of the two zone watches. Edits go
// into the configuration at once.
class SystemSettingsWidget : public SettingsWidgetBase
{
    Q_OBJECT

public:
    explicit SystemSettingsWidget(QWidget* parent = nullptr);
    ~SystemSettingsWidget() override;

    // Shows the configuration's settings without writing anything back; null disables
    // the page.
    void setSystemConfig(SystemConfig* config) override;

signals:
    // The channel page's time limits follow the period.
    void periodChanged(int seconds);

protected:
    void changeEvent(QEvent* event) override;

private:
    void connectControls();
    void fill();
    void updateEnabling();

    std::unique_ptr<Ui::systemSettingsWidget> m_ui;
};
