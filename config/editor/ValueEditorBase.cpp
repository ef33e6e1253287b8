#include "ValueEditorBase.h"

#include "ChannelConfig.h"
#include "CountSpinBox.h"
#include "ModuleConfigBase.h"
#include "SystemConfig.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

ValueEditorBase::ValueEditorBase(const QString& title, QWidget* parent)
    : QGroupBox(title, parent), m_grid(new QGridLayout(this))
{
    setCheckable(true);
    m_grid->setColumnStretch(1, 1);
    m_grid->setColumnStretch(3, 1);
    connect(this, &QGroupBox::toggled, this, &ValueEditorBase::edited);
}

int ValueEditorBase::timeLimit(const ChannelConfig& channel)
{
    const ModuleConfigBase* module = channel.module();
    const SystemConfig* system = module ? module->parent() : nullptr;
    return system ? int(system->period()) * 100 : 0xFFFF;
}

QString ValueEditorBase::translated(const char* source) const
{
    return QCoreApplication::translate(metaObject()->className(), source);
}

void ValueEditorBase::addRow(const char* label, QWidget* first, QWidget* second)
{
    const int row = m_grid->rowCount();
    auto* text = new QLabel(translated(label), this);
    m_rowLabels.append({text, label});
    m_grid->addWidget(text, row, 0);
    m_grid->addWidget(first, row, 1);
    if (second) {
        auto* to = new QLabel(tr("to"), this);
        m_toLabels.append(to);
        m_grid->addWidget(to, row, 2, Qt::AlignCenter);
        m_grid->addWidget(second, row, 3);
    }
}

void ValueEditorBase::retranslateRows()
{
    for (const auto& [label, source] : std::as_const(m_rowLabels))
        label->setText(translated(source));
    for (QLabel* to : std::as_const(m_toLabels))
        to->setText(tr("to"));
}

void ValueEditorBase::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateRows();
    QGroupBox::changeEvent(event);
}

void ValueEditorBase::fillSingle(CountSpinBox* box, qint64 count, qint64 minimum, qint64 maximum)
{
    const QSignalBlocker blocker(box);
    box->setCountRange(minimum, maximum);
    box->setCount(count);
    box->setMarked(box->count() != count);
}

void ValueEditorBase::fillPair(CountSpinBox* first, CountSpinBox* second, qint64 firstCount,
                               qint64 secondCount, qint64 minimum, qint64 maximum)
{
    const QSignalBlocker blockFirst(first);
    const QSignalBlocker blockSecond(second);
    first->setCountRange(minimum, maximum);
    second->setCountRange(minimum, maximum);
    second->setCount(secondCount);
    first->setCountMaximum(second->count());
    first->setCount(firstCount);
    second->setCountMinimum(first->count());
    first->setMarked(first->count() != firstCount);
    second->setMarked(second->count() != secondCount);
}

void ValueEditorBase::orderPair(CountSpinBox* first, CountSpinBox* second)
{
    // The other box's limit moves with each value, so the pair can never cross.
    connect(first, &QDoubleSpinBox::valueChanged, second,
            [first, second] { second->setCountMinimum(first->count()); });
    connect(second, &QDoubleSpinBox::valueChanged, first,
            [first, second] { first->setCountMaximum(second->count()); });
}

void ValueEditorBase::watch(CountSpinBox* box)
{
    connect(box, &QDoubleSpinBox::valueChanged, this, &ValueEditorBase::edited);
}

void ValueEditorBase::edited()
{
    if (m_filling)
        return;
    // The whole item now goes to the channel as shown, so nothing is held back any more.
    for (CountSpinBox* box : findChildren<CountSpinBox*>())
        box->setMarked(false);
    emitValue();
}
