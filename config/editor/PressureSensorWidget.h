#pragma once

#include "SettingsWidgetBase.h"

#include <QList>

#include <memory>

class KRT24ModuleConfig;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;

namespace Ui {
class PressureSensorWidget;
}

// The sensor table of an eight-channel pressure module: per channel its enabled flag,
// name, sensor rating and sensitivity, and the pin shape with its dimensions. Every edit
// goes into the module at once.
class PressureSensorWidget : public SettingsWidgetBase
{
    Q_OBJECT

public:
    enum Column
    {
        NameColumn,
        SensitivityColumn,
        ShapeColumn,
        RadiusColumn,
        WidthColumn,
        HeightColumn,
        AreaColumn,
    };
    enum Shape
    {
        Round,
        Rectangle,
        Other,
    };

    explicit PressureSensorWidget(QWidget* parent = nullptr);
    ~PressureSensorWidget() override;

    void setSystemConfig(SystemConfig* config) override;
    // Null empties and disables the table.
    void setModule(KRT24ModuleConfig* module);
    KRT24ModuleConfig* module() const { return m_module; }

    // The high-temperature ratings are offered while no unit is connected (any file may
    // use them) or when the connected unit's firmware knows them.
    void setConnected(bool connected);
    bool offersHighTemperatureRatings() const;

    // Shows the channels' names again, after their fixed titles changed.
    void refreshNames();

signals:
    void channelEnabledFlagChanged(int channel, bool enabled);
    void channelNameChanged(int channel, const QString& displayTitle);

protected:
    void changeEvent(QEvent* event) override;

private:
    struct Row
    {
        QCheckBox* enabled = nullptr;
        QLineEdit* name = nullptr;
        QComboBox* rating = nullptr;
        QComboBox* factor = nullptr;
        QSpinBox* distortion = nullptr;
        QComboBox* shape = nullptr;
        QDoubleSpinBox* radius = nullptr;
        QDoubleSpinBox* width = nullptr;
        QDoubleSpinBox* height = nullptr;
        QDoubleSpinBox* area = nullptr;
    };

    void buildRow(int channel);
    void connectRow(int channel);
    void fillRatings(QComboBox* combo) const;
    QStringList ratingTexts() const;
    void fillRow(int channel);
    void updateEnabling(int channel);
    // Applies a change to the channel's sensor parameters and stores them.
    template <typename Change> void editSensor(int channel, Change change);

    std::unique_ptr<Ui::PressureSensorWidget> m_ui;
    QList<Row> m_rows;
    KRT24ModuleConfig* m_module = nullptr;
    bool m_connected = false;
};
