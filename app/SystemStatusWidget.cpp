#include "SystemStatusWidget.h"

#include "SystemConfig.h"

#include <QDebug>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr int ButtonWidth = 60;
constexpr int ButtonHeight = 40;
constexpr int PcButtonX = 20;
constexpr int FirstModuleX = 90;
constexpr int ModuleStepX = 70;

const QString Radius = QStringLiteral("border-radius:3px;");
const QString WhiteText = QStringLiteral(" color: rgb( 255, 255, 255 );");
const QString BlackText = QStringLiteral(" color: rgb( 0, 0, 0 );");

// Module kinds (top byte of the module identifier) and the model each stands for.
struct KindLook
{
    int kind;
    SystemStatusWidget::ButtonStyle style;
    const char* model;
};

constexpr KindLook KindLooks[] = {
    {1, SystemStatusWidget::ButtonStyle::Kind1, "ZRC"},
    {2, SystemStatusWidget::ButtonStyle::Kind2, "ZRB"},
    {3, SystemStatusWidget::ButtonStyle::Kind3, "ZRA"},
    {17, SystemStatusWidget::ButtonStyle::Kind17, "KRT24"},
};

const KindLook* lookOf(int kind)
{
    for (const KindLook& look : KindLooks) {
        if (look.kind == kind) {
            return &look;
        }
    }
    return nullptr;
}

} // namespace

const QString SystemStatusWidget::FaultMark = QStringLiteral("border: 4px solid red;");

QString SystemStatusWidget::styleSheet(ButtonStyle style)
{
    // Dark backgrounds take white text, light ones black.
    switch (style) {
    case ButtonStyle::Pc:
        return Radius + WhiteText + QStringLiteral("background-color: rgb( 128, 128, 128 );");
    case ButtonStyle::Kind1:
        return Radius + BlackText + QStringLiteral("background-color: rgb( 120, 199, 235 );");
    case ButtonStyle::Kind2:
        return Radius + BlackText + QStringLiteral("background-color: rgb( 255, 116, 43 );");
    case ButtonStyle::Kind3:
        return Radius + BlackText + QStringLiteral("background-color: rgb( 255, 255, 133 );");
    case ButtonStyle::Kind17:
        return Radius + WhiteText + QStringLiteral("background-color: rgb( 45, 120, 196 );");
    case ButtonStyle::EmptySlot:
        return Radius + BlackText + QStringLiteral("background-color: rgb( 230, 230, 230 );");
    case ButtonStyle::Pressed:
        break;
    }
    return Radius + BlackText + QStringLiteral("background-color: rgb( 191, 191, 191 );");
}

QString SystemStatusWidget::emptySlotText(int number)
{
    return QString::number(number) + QStringLiteral("\nNC");
}

SystemStatusWidget::SystemStatusWidget(QWidget* parent) : QWidget(parent)
{
    m_pcButton = addButton(QStringLiteral("pcButton"), QStringLiteral("PC"), PcButtonX);
    m_pcButton->setStyleSheet(styleSheet(ButtonStyle::Pc));
    for (int i = 0; i < ModuleButtonCount; ++i) {
        QPushButton* button = addButton(QStringLiteral("moduleButton%1").arg(i + 1), QString(),
                                        FirstModuleX + i * ModuleStepX);
        m_moduleButtons[i] = button;
        connect(button, &QPushButton::clicked, this, &SystemStatusWidget::moduleIconClicked);
        connect(button, &QPushButton::pressed, this, [this, i] { showPressed(i, true); });
        connect(button, &QPushButton::released, this, [this, i] { showPressed(i, false); });
        showEmptySlot(i);
    }
}

void SystemStatusWidget::update(const SystemConfig& config, const QList<bool>& moduleFlags)
{
    for (int i = 0; i < ModuleButtonCount; ++i) {
        const ModuleConfigBase* module = config.module(i);
        if (module) {
            showModule(i, module->typeCode(), moduleFlags.value(i, false));
        } else {
            showEmptySlot(i);
        }
    }
}

void SystemStatusWidget::moduleIconClicked()
{
    for (int i = 0; i < ModuleButtonCount; ++i) {
        if (m_moduleButtons[i] == sender()) {
            qDebug().nospace() << "Module " << i << " clicked.";
            Q_EMIT moduleSettingsActivate(i);
            return;
        }
    }
}

void SystemStatusWidget::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 4));
    painter.drawLine(50, 20, 260, 20);
}

QPushButton* SystemStatusWidget::addButton(const QString& name, const QString& text, int x)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setGeometry(x, 0, ButtonWidth, ButtonHeight);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// An absent module leaves nothing behind from an earlier configuration.
void SystemStatusWidget::showEmptySlot(int index)
{
    QPushButton* button = m_moduleButtons[index];
    m_moduleStyles[index] = styleSheet(ButtonStyle::EmptySlot);
    button->setStyleSheet(m_moduleStyles[index]);
    button->setText(emptySlotText(index + 1));
    button->setEnabled(false);
}

// A kind without a look keeps its text and the toolkit's own style.
void SystemStatusWidget::showModule(int index, int kind, bool faulty)
{
    QPushButton* button = m_moduleButtons[index];
    const KindLook* look = lookOf(kind);
    QString style;
    if (look) {
        style = styleSheet(look->style);
        button->setText(QString::number(index + 1) + QStringLiteral("\n") +
                        QString::fromLatin1(look->model));
    }
    if (faulty) {
        style += FaultMark;
    }
    m_moduleStyles[index] = style;
    button->setStyleSheet(style);
    button->setEnabled(true);
}

void SystemStatusWidget::showPressed(int index, bool pressed)
{
    m_moduleButtons[index]->setStyleSheet(pressed ? styleSheet(ButtonStyle::Pressed)
                                                  : m_moduleStyles[index]);
}
