#pragma once

#include <QDialog>

#include <array>
#include <memory>

class QLabel;
class QSlider;

namespace Ui {
class displaySettingsDialog;
}

// How the live plot looks: pressure display range, how many earlier shots stay overlaid
// and whether they are cleared at that count, and the opacities of earlier shots, grid,
// reference waveforms and peak time ranges. The dialog only reads and writes the
// settings store; the main window applies the keys to the plot afterwards:
//
//     if (window->exec() == QDialog::Accepted) {
//         reapplyDisplaySettings();
//         if (window->pressureDisplayRangeChanged())
//             setPressureFullScale(AppSettings().pressureDisplayRange());
//     }
class DisplaySettingsWindow : public QDialog
{
    Q_OBJECT

public:
    // Opacities are stored as 0..1 and shown in twentieths.
    static constexpr int OpacitySteps = 20;

    explicit DisplaySettingsWindow(QWidget* parent = nullptr);
    ~DisplaySettingsWindow() override;

    // Combo position of a stored range: 25, 50, 100 and 400 MPa have their own, anything
    // else shows as 200 MPa.
    static int pressureRangeIndex(int megapascal);
    static int pressureRangeValue(int index);

    // True after an accepted run that stored a pressure range other than the one read
    // when the dialog was shown.
    bool pressureDisplayRangeChanged() const { return m_pressureRangeChanged; }

public Q_SLOTS:
    // Shows the value of the opacity slider that sent it as a percentage.
    void updateLabel(int value);
    // Writes every key when accepted; a store that cannot be written is reported and the
    // dialog stays open.
    void done(int r) override;

protected:
    void showEvent(QShowEvent* event) override;

protected:
    // A new interface language: the form's texts again.
    void changeEvent(QEvent* event) override;

private:
    struct OpacityControl
    {
        QString key;
        QSlider* slider;
        QLabel* label;
    };

    void loadSettings();
    bool saveSettings();
    static QString percentText(int sliderValue);

    std::unique_ptr<Ui::displaySettingsDialog> m_ui;
    std::array<OpacityControl, 4> m_opacities;
    int m_shownPressureRange = 0;
    bool m_pressureRangeChanged = false;
};
