#include "SystemSettingsWidget.h"

#include "ui_SystemSettingsWidget.h"

#include "SystemConfig.h"

#include <QEvent>
#include <QSignalBlocker>

#include <vector>

namespace {

// The two delays are single bytes of 10 ms on the wire.
constexpr int MaxDelayCount = 255;

} // namespace

SystemSettingsWidget::SystemSettingsWidget(QWidget* parent)
    : SettingsWidgetBase(parent), m_ui(std::make_unique<Ui::systemSettingsWidget>())
{
    m_ui->setupUi(this);
    m_ui->startDelaySpinBox->setCountRange(0, MaxDelayCount);
    m_ui->alarmClearDelaySpinBox->setCountRange(0, MaxDelayCount);
    connectControls();
    fill();
}

SystemSettingsWidget::~SystemSettingsWidget() = default;

void SystemSettingsWidget::connectControls()
{
    // Each control writes its own field; the lambdas run only for the operator's edits,
    // since fill() blocks the controls' signals.
    const auto edit = [this](auto change) {
        return [this, change](auto value) {
            if (m_systemConfig)
                change(*m_systemConfig, value);
            updateEnabling();
        };
    };
    connect(m_ui->periodSpinBox, &QSpinBox::valueChanged, this, [this](int seconds) {
        if (!m_systemConfig)
            return;
        m_systemConfig->setPeriod(quint8(seconds));
        emit periodChanged(seconds);
    });
    connect(m_ui->samplingRateComboBox, &QComboBox::currentIndexChanged, this,
            edit([](SystemConfig& c, int index) { c.setSamplingIntervalIndex(index); }));
    connect(m_ui->startEdgeComboBox, &QComboBox::currentIndexChanged, this,
            edit([](SystemConfig& c, int index) { c.setStartEdgeDown(index == 1); }));
    connect(m_ui->startDelaySpinBox, &QDoubleSpinBox::valueChanged, this,
            edit([this](SystemConfig& c, double) {
                c.setStartDelay(quint8(m_ui->startDelaySpinBox->count()));
            }));
    connect(m_ui->useAlarmGroupBox, &QGroupBox::toggled, this,
            edit([](SystemConfig& c, bool on) { c.setAlarmEnabled(on); }));
    connect(m_ui->clearByTriggerCheckBox, &QCheckBox::toggled, this,
            edit([](SystemConfig& c, bool on) { c.setClearByTrigger(on); }));
    connect(m_ui->clearEdgeComboBox, &QComboBox::currentIndexChanged, this,
            edit([](SystemConfig& c, int index) { c.setClearEdgeDown(index == 1); }));
    connect(m_ui->clearByTimerCheckBox, &QCheckBox::toggled, this,
            edit([](SystemConfig& c, bool on) { c.setClearByTimer(on); }));
    connect(m_ui->alarmClearDelaySpinBox, &QDoubleSpinBox::valueChanged, this,
            edit([this](SystemConfig& c, double) {
                c.setAlarmClearDelay(quint8(m_ui->alarmClearDelaySpinBox->count()));
            }));
    connect(m_ui->watch1ComboBox, &QComboBox::currentIndexChanged, this,
            edit([](SystemConfig& c, int index) { c.setWatch1OnOut3(index == 1); }));
    connect(m_ui->watch2ComboBox, &QComboBox::currentIndexChanged, this,
            edit([](SystemConfig& c, int index) { c.setWatch2OnOut3(index == 1); }));
}

void SystemSettingsWidget::setSystemConfig(SystemConfig* config)
{
    SettingsWidgetBase::setSystemConfig(config);
    fill();
}

void SystemSettingsWidget::fill()
{
    setEnabled(m_systemConfig != nullptr);
    if (!m_systemConfig)
        return;
    const SystemConfig& c = *m_systemConfig;
    const QList<QWidget*> widgets = {
        m_ui->periodSpinBox,     m_ui->samplingRateComboBox, m_ui->startEdgeComboBox,
        m_ui->startDelaySpinBox, m_ui->useAlarmGroupBox,     m_ui->clearByTriggerCheckBox,
        m_ui->clearEdgeComboBox, m_ui->clearByTimerCheckBox, m_ui->alarmClearDelaySpinBox,
        m_ui->watch1ComboBox,    m_ui->watch2ComboBox};
    std::vector<QSignalBlocker> blockers;
    blockers.reserve(size_t(widgets.size()));
    for (QWidget* widget : widgets)
        blockers.emplace_back(widget);

    m_ui->periodSpinBox->setValue(c.period());
    m_ui->samplingRateComboBox->setCurrentIndex(c.samplingIntervalIndex());
    m_ui->startEdgeComboBox->setCurrentIndex(c.startEdgeDown() ? 1 : 0);
    m_ui->startDelaySpinBox->setCount(c.startDelay());
    m_ui->useAlarmGroupBox->setChecked(c.alarmEnabled());
    m_ui->clearByTriggerCheckBox->setChecked(c.clearByTrigger());
    m_ui->clearEdgeComboBox->setCurrentIndex(c.clearEdgeDown() ? 1 : 0);
    m_ui->clearByTimerCheckBox->setChecked(c.clearByTimer());
    m_ui->alarmClearDelaySpinBox->setCount(c.alarmClearDelay());
    m_ui->watch1ComboBox->setCurrentIndex(c.watch1OnOut3() ? 1 : 0);
    m_ui->watch2ComboBox->setCurrentIndex(c.watch2OnOut3() ? 1 : 0);
    updateEnabling();
}

// Within the alarm group, each clearing way's setting follows its own check box.
void SystemSettingsWidget::updateEnabling()
{
    const bool alarm = m_ui->useAlarmGroupBox->isChecked();
    const bool byTrigger = alarm && m_ui->clearByTriggerCheckBox->isChecked();
    const bool byTimer = alarm && m_ui->clearByTimerCheckBox->isChecked();
    m_ui->clearEdgeLabel->setEnabled(byTrigger);
    m_ui->clearEdgeComboBox->setEnabled(byTrigger);
    m_ui->alarmClearDelayLabel->setEnabled(byTimer);
    m_ui->alarmClearDelaySpinBox->setEnabled(byTimer);
}

void SystemSettingsWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    SettingsWidgetBase::changeEvent(event);
}
