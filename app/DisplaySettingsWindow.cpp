#include "DisplaySettingsWindow.h"

#include "AppSettings.h"
#include "UserPrompt.h"
#include "ui_DisplaySettingsWindow.h"

#include <QDebug>
#include <QEvent>
#include <QShowEvent>

namespace {

constexpr int PressureRanges[] = {25, 50, 100, 200, 400};
constexpr int DefaultPressureRangeIndex = 3;
constexpr int PercentPerStep = 100 / DisplaySettingsWindow::OpacitySteps;

} // namespace

DisplaySettingsWindow::DisplaySettingsWindow(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::displaySettingsDialog>())
{
    m_ui->setupUi(this);
    m_opacities = {{
        {SettingKey::OverwriteOpacity, m_ui->overwriteOpacitySlider, m_ui->overwriteOpacityLabel},
        {SettingKey::GridOpacity, m_ui->gridOpacitySlider, m_ui->gridOpacityLabel},
        {SettingKey::ReferenceWaveformOpacity, m_ui->referenceOpacitySlider,
         m_ui->referenceOpacityLabel},
        {SettingKey::RangeOpacity, m_ui->rangeOpacitySlider, m_ui->rangeOpacityLabel},
    }};
    for (const OpacityControl& control : m_opacities) {
        connect(control.slider, &QSlider::valueChanged, this, &DisplaySettingsWindow::updateLabel);
    }
}

DisplaySettingsWindow::~DisplaySettingsWindow() = default;

int DisplaySettingsWindow::pressureRangeIndex(int megapascal)
{
    for (int i = 0; i < int(std::size(PressureRanges)); ++i) {
        if (PressureRanges[i] == megapascal) {
            return i;
        }
    }
    return DefaultPressureRangeIndex;
}

int DisplaySettingsWindow::pressureRangeValue(int index)
{
    if (index < 0 || index >= int(std::size(PressureRanges))) {
        return PressureRanges[DefaultPressureRangeIndex];
    }
    return PressureRanges[index];
}

void DisplaySettingsWindow::updateLabel(int value)
{
    for (const OpacityControl& control : m_opacities) {
        if (control.slider == sender()) {
            control.label->setText(percentText(value));
        }
    }
}

void DisplaySettingsWindow::done(int r)
{
    qDebug() << "DisplaySettingsWindow done() r=" << r;
    m_pressureRangeChanged = false;
    if (r == QDialog::Accepted && !saveSettings()) {
        // Closing now would let the caller apply settings that were never stored.
        UserPrompt::critical(
            this, tr("Save Error"),
            tr("The settings could not be saved to \"%1\".").arg(AppSettings().fileName()));
        return;
    }
    QDialog::done(r);
}

// Only the dialog's own showing reloads: a window restored from the task bar keeps what
// the operator has set so far.
void DisplaySettingsWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        loadSettings();
    }
    QDialog::showEvent(event);
}

void DisplaySettingsWindow::loadSettings()
{
    AppSettings settings;
    m_ui->overwriteMax->setValue(settings.overwriteMax());
    m_ui->clearOnMax->setChecked(settings.clearOverwriteOnMax());
    for (const OpacityControl& control : m_opacities) {
        const double opacity = settings.value(control.key).toDouble();
        // Rounded, not truncated: 0.35 x 20 may come out a hair below 7.
        control.slider->setValue(qBound(0, qRound(opacity * OpacitySteps), OpacitySteps));
        control.label->setText(percentText(control.slider->value()));
    }
    m_shownPressureRange = settings.pressureDisplayRange();
    m_ui->pressureRangeComboBox->setCurrentIndex(pressureRangeIndex(m_shownPressureRange));
}

bool DisplaySettingsWindow::saveSettings()
{
    AppSettings settings;
    const QVariantHash before = settings.snapshot();
    settings.setValue(SettingKey::OverwriteMax, m_ui->overwriteMax->value());
    settings.setValue(SettingKey::ClearOverwriteOnMax, m_ui->clearOnMax->isChecked());
    for (const OpacityControl& control : m_opacities) {
        settings.setValue(control.key, control.slider->value() / double(OpacitySteps));
    }
    const int range = pressureRangeValue(m_ui->pressureRangeComboBox->currentIndex());
    settings.setValue(SettingKey::PressureDisplayRange, range);
    if (!settings.syncOrRevert(before))
        return false;
    m_pressureRangeChanged = range != m_shownPressureRange;
    return true;
}

QString DisplaySettingsWindow::percentText(int sliderValue)
{
    return QStringLiteral("%1%").arg(sliderValue * PercentPerStep);
}

void DisplaySettingsWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
    }
    QDialog::changeEvent(event);
}
