#include "ModuleSettingsWidget.h"

#include "ui_ModuleSettingsWidget.h"

#include "KRT24ModuleConfig.h"
#include "ZRBModuleConfig.h"

#include <QEvent>
#include <QSignalBlocker>

#include <vector>

namespace {

constexpr int NameLength = 16; // a module title travels as 16 bytes

KRT24ModuleConfig* asKrt24(ModuleConfigBase* module)
{
    return module && module->typeCode() == KRT24ModuleConfig::TypeCode
               ? static_cast<KRT24ModuleConfig*>(module)
               : nullptr;
}

ZRBModuleConfig* asZrb(ModuleConfigBase* module)
{
    return module && module->typeCode() == ZRBModuleConfig::TypeCode
               ? static_cast<ZRBModuleConfig*>(module)
               : nullptr;
}

} // namespace

ModuleSettingsWidget::ModuleSettingsWidget(QWidget* parent)
    : SettingsWidgetBase(parent), m_ui(std::make_unique<Ui::moduleSettingsWidget>())
{
    m_ui->setupUi(this);
    m_ui->moduleNameLineEdit->setMaxLength(NameLength);
    connectCommon();
    connectKrt24();
    connectZrb();
    setModule(nullptr, -1);
}

ModuleSettingsWidget::~ModuleSettingsWidget() = default;

void ModuleSettingsWidget::connectCommon()
{
    connect(m_ui->enabledCheckBox, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_module)
            return;
        m_module->setEnabled(on);
        emit moduleEnabledFlagChanged(m_moduleIndex, on);
    });
    connect(m_ui->moduleNameLineEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!m_module)
            return;
        m_module->setTitle(text);
        emit moduleNameChanged(m_moduleIndex, text);
    });
}

void ModuleSettingsWidget::connectKrt24()
{
    connect(m_ui->pseudoResisterCheckBox, &QCheckBox::toggled, this, [this](bool on) {
        KRT24ModuleConfig* krt = asKrt24(m_module);
        if (!krt)
            return;
        krt->setPseudoResister(on);
        m_ui->pressureSensorWidget->refreshNames();
        for (int channel : KRT24ModuleConfig::PseudoResisterChannels)
            emit channelNameChanged(m_moduleIndex, channel, krt->channel(channel)->displayTitle());
    });
    connect(m_ui->daOutputDisabledCheckBox, &QCheckBox::toggled, this, [this](bool on) {
        if (KRT24ModuleConfig* krt = asKrt24(m_module))
            krt->setDaOutputDisabled(on);
    });
    connect(m_ui->pressureSensorWidget, &PressureSensorWidget::channelNameChanged, this,
            [this](int channel, const QString& title) {
                emit channelNameChanged(m_moduleIndex, channel, title);
            });
    connect(m_ui->pressureSensorWidget, &PressureSensorWidget::channelEnabledFlagChanged, this,
            [this](int channel, bool on) {
                emit channelEnabledFlagChanged(m_moduleIndex, channel, on);
            });
}

void ModuleSettingsWidget::connectZrb()
{
    connect(m_ui->moldTemperatureCompensationCheckBox, &QCheckBox::toggled, this, [this](bool on) {
        ZRBModuleConfig* zrb = asZrb(m_module);
        if (!zrb)
            return;
        const quint8 bit = ZRBModuleConfig::MoldTemperatureCompensation;
        zrb->setZrbFlags(on ? quint8(zrb->zrbFlags() | bit) : quint8(zrb->zrbFlags() & ~bit));
        updateEnabling();
    });
    connect(m_ui->compensationTemperatureSpinBox, &QSpinBox::valueChanged, this, [this](int value) {
        if (ZRBModuleConfig* zrb = asZrb(m_module))
            zrb->setCompensationTemperature(quint8(value));
    });
    // The lower alert limit never passes the upper one.
    connect(m_ui->alertLowerSpinBox, &QSpinBox::valueChanged, this, [this](int value) {
        if (ZRBModuleConfig* zrb = asZrb(m_module))
            zrb->setAlertLower(quint8(value));
        m_ui->alertUpperSpinBox->setMinimum(value);
    });
    connect(m_ui->alertUpperSpinBox, &QSpinBox::valueChanged, this, [this](int value) {
        if (ZRBModuleConfig* zrb = asZrb(m_module))
            zrb->setAlertUpper(quint8(value));
        m_ui->alertLowerSpinBox->setMaximum(value);
    });
}

void ModuleSettingsWidget::setSystemConfig(SystemConfig* config)
{
    SettingsWidgetBase::setSystemConfig(config);
    m_ui->pressureSensorWidget->setSystemConfig(config);
    // The module belonged to the configuration that was there before.
    setModule(nullptr, -1);
}

void ModuleSettingsWidget::setModule(ModuleConfigBase* module, int moduleIndex)
{
    m_module = module;
    m_moduleIndex = module ? moduleIndex : -1;
    fill();
}

void ModuleSettingsWidget::setConnected(bool connected)
{
    m_ui->pressureSensorWidget->setConnected(connected);
}

void ModuleSettingsWidget::fill()
{
    KRT24ModuleConfig* krt = asKrt24(m_module);
    ZRBModuleConfig* zrb = asZrb(m_module);
    setEnabled(m_module != nullptr);
    m_ui->krt24GroupBox->setVisible(krt != nullptr);
    m_ui->zrbGroupBox->setVisible(zrb != nullptr);
    m_ui->pressureSensorWidget->setModule(krt);

    const QList<QWidget*> widgets = {m_ui->enabledCheckBox,
                                     m_ui->moduleNameLineEdit,
                                     m_ui->pseudoResisterCheckBox,
                                     m_ui->daOutputDisabledCheckBox,
                                     m_ui->moldTemperatureCompensationCheckBox,
                                     m_ui->compensationTemperatureSpinBox,
                                     m_ui->alertLowerSpinBox,
                                     m_ui->alertUpperSpinBox};
    std::vector<QSignalBlocker> blockers;
    blockers.reserve(size_t(widgets.size()));
    for (QWidget* widget : widgets)
        blockers.emplace_back(widget);

    m_ui->enabledCheckBox->setChecked(m_module && m_module->enabled());
    m_ui->moduleNameLineEdit->setText(m_module ? m_module->title() : QString());
    m_ui->pseudoResisterCheckBox->setChecked(krt && krt->pseudoResister());
    m_ui->daOutputDisabledCheckBox->setChecked(krt && krt->daOutputDisabled());
    if (zrb) {
        m_ui->moldTemperatureCompensationCheckBox->setChecked(
            zrb->zrbFlags() & ZRBModuleConfig::MoldTemperatureCompensation);
        m_ui->compensationTemperatureSpinBox->setValue(zrb->compensationTemperature());
        // Widen both limits first, so a file's pair is shown as it stands.
        m_ui->alertLowerSpinBox->setRange(0, 255);
        m_ui->alertUpperSpinBox->setRange(0, 255);
        m_ui->alertLowerSpinBox->setValue(zrb->alertLower());
        m_ui->alertUpperSpinBox->setValue(zrb->alertUpper());
        m_ui->alertLowerSpinBox->setMaximum(qMax(zrb->alertLower(), zrb->alertUpper()));
        m_ui->alertUpperSpinBox->setMinimum(qMin(zrb->alertLower(), zrb->alertUpper()));
    }
    updateEnabling();
}

void ModuleSettingsWidget::updateEnabling()
{
    m_ui->compensationTemperatureSpinBox->setEnabled(
        m_ui->moldTemperatureCompensationCheckBox->isChecked());
}

void ModuleSettingsWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    SettingsWidgetBase::changeEvent(event);
}
