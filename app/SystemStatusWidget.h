#pragma once

#include <QList>
#include <QWidget>

#include <array>

class QPushButton;
class SystemConfig;

// The unit at a glance: a "PC" button joined by a line to the first three module slots,
// each coloured by its module kind and outlined in red while the unit reports a fault
// flag for that module.
//
// Buttons are named pcButton and moduleButton1..moduleButton3.
class SystemStatusWidget : public QWidget
{
    Q_OBJECT

public:
    enum class ButtonStyle
    {
        Pc,
        Kind1,
        Kind2,
        Kind3,
        Kind17,
        EmptySlot,
        // A module button held down: a style sheet background hides the usual feedback.
        Pressed
    };

    static constexpr int ModuleButtonCount = 3;
    static const QString FaultMark;

    static QString styleSheet(ButtonStyle style);
    // The initial text of module button `number` (1-based): the number and "NC".
    static QString emptySlotText(int number);

    explicit SystemStatusWidget(QWidget* parent = nullptr);

    // QWidget::update() still schedules a repaint.
    using QWidget::update;
    // Shows the first modules of `config`, one per button; the buttons of absent modules
    // go back to empty slots. `moduleFlags` holds one fault flag per module (bit 0x10 of
    // the module's entry in the unit status); empty means no flags are known and no
    // fault is marked.
    void update(const SystemConfig& config, const QList<bool>& moduleFlags = {});

public Q_SLOTS:
    void moduleIconClicked();

Q_SIGNALS:
    // 0-based index of the clicked module.
    void moduleSettingsActivate(int module);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPushButton* addButton(const QString& name, const QString& text, int x);
    void showEmptySlot(int index);
    void showModule(int index, int kind, bool faulty);
    void showPressed(int index, bool pressed);

    QPushButton* m_pcButton = nullptr;
    std::array<QPushButton*, ModuleButtonCount> m_moduleButtons{};
    // Each module button's style, to return to after a press.
    std::array<QString, ModuleButtonCount> m_moduleStyles;
};
