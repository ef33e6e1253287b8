#include "ChannelDetailsView.h"

#include "ChannelDetailsLabel.h"
#include "SystemConfig.h"
#include "UserPrompt.h"

#include <QCheckBox>
#include <QDebug>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>

namespace {

constexpr int ColorColumn = 0;
constexpr int VisibleColumn = 1;
constexpr int NameColumn = 2;
constexpr int PeakColumn = 3;
constexpr int IntegralColumn = 4;
constexpr int ValueFieldMinimumWidth = 60;
constexpr int ColorButtonSize = 18;

} // namespace

ChannelDetailsView::ChannelDetailsView(QWidget* parent) : QWidget(parent)
{
    resetGrid();
    finishGrid();
}

QString ChannelDetailsView::colorButtonStyle(const QColor& color)
{
    const QString rgb =
        QStringLiteral("rgb( %1, %2, %3 );").arg(color.red()).arg(color.green()).arg(color.blue());
    return QStringLiteral("QPushButton { border-radius: 0px; background-color: ") + rgb +
           QStringLiteral("}") + QStringLiteral(" QPushButton:checked { background-color: ") + rgb +
           QStringLiteral("}") + QStringLiteral(" QPushButton:pressed { background-color: ") + rgb +
           QStringLiteral("}") + QStringLiteral(" QPushButton:default { background-color: ") + rgb +
           QStringLiteral("}");
}

QList<int> ChannelDetailsView::rowChannels() const
{
    QList<int> channels;
    for (const Row& row : m_rows) {
        channels.append(row.channel);
    }
    return channels;
}

void ChannelDetailsView::rebuild(const SystemConfig& config)
{
    resetGrid();
    m_samplingInterval = config.samplingInterval();
    ChannelDisplaySettings display;
    for (int channel = 0; channel < config.channelCount(); ++channel) {
        const ChannelConfig* channelConfig = config.channelAt(channel);
        if (channelConfig && channelConfig->enabled()) {
            addRow(channel, channelConfig->displayTitle(), display.entry(channel));
        }
    }
    finishGrid();
    // The operator's channel may be gone: the first enabled one takes over, and the plot
    // is told, so its value axis has a scale.
    if (!rowOf(m_focusChannel) && !m_rows.empty()) {
        channelSelected(quint8(m_rows.front().channel));
        return;
    }
    setFocusChannel(m_focusChannel);
}

void ChannelDetailsView::setValues(int channel, double peak, double sum)
{
    Row* row = rowOf(channel);
    if (!showsValues(row)) {
        return;
    }
    row->peakField->setText(QString::number(peak, 'f', 1));
    row->integralField->setText(QString::number(sum * m_samplingInterval / 1000.0, 'f', 0));
}

void ChannelDetailsView::setIntegral(int channel, double value)
{
    Row* row = rowOf(channel);
    if (showsValues(row)) {
        row->integralField->setText(QString::number(value, 'f', 0));
    }
}

void ChannelDetailsView::clearValues()
{
    for (Row& row : m_rows) {
        if (showsValues(&row)) {
            row.peakField->setText(QStringLiteral("0.0"));
            row.integralField->setText(QStringLiteral("0"));
        }
    }
}

void ChannelDetailsView::setFocusChannel(quint8 channel)
{
    qDebug() << "setFocusChannel ch:" << int(channel);
    if (Row* previous = rowOf(m_focusChannel)) {
        previous->label->setHighlighted(false);
    }
    m_focusChannel = channel;
    if (Row* focused = rowOf(channel)) {
        focused->label->setHighlighted(true);
    }
}

void ChannelDetailsView::setChannelDisplay(int channel, const QColor& color, bool visible)
{
    Row* row = rowOf(channel);
    if (!row) {
        return;
    }
    row->colorButton->setStyleSheet(colorButtonStyle(color));
    if (row->visibleBox->isChecked() != visible) {
        const QSignalBlocker blocker(row->visibleBox);
        row->visibleBox->setChecked(visible);
        showRowVisible(*row, visible);
    }
}

void ChannelDetailsView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Q_EMIT resized(event->size().width());
}

void ChannelDetailsView::colorDialogRequested()
{
    const Row* row = rowOfSender();
    if (!row) {
        return;
    }
    // The dialog runs an event loop in which the rows may be rebuilt: keep the channel,
    // not the row.
    const int channel = row->channel;
    ChannelDisplaySettings display;
    const QColor chosen =
        UserPrompt::getColor(display.entry(channel).color, this,
                             tr("Choose plot color for channel %1").arg(channel + 1));
    if (!chosen.isValid()) {
        return;
    }
    display.setColor(channel, chosen);
    if (Row* current = rowOf(channel)) {
        current->colorButton->setStyleSheet(colorButtonStyle(chosen));
    }
    display.sync();
    Q_EMIT plotColorChanged();
}

void ChannelDetailsView::visibilityStatusChanged(int state)
{
    Row* row = rowOfSender();
    if (!row) {
        return;
    }
    const bool visible = state != Qt::Unchecked;
    ChannelDisplaySettings display;
    if (QGuiApplication::keyboardModifiers() & Qt::ShiftModifier) {
        display.setAllVisible(visible);
        // Rows beyond the store's own entries are written one by one.
        for (const Row& each : m_rows) {
            display.setVisible(each.channel, visible);
        }
        applyVisibleToAllRows(visible);
    } else {
        display.setVisible(row->channel, visible);
        showRowVisible(*row, visible);
    }
    display.sync();
    Q_EMIT plotVisibilityChanged();
}

void ChannelDetailsView::channelSelected(quint8 channel)
{
    setFocusChannel(channel);
    Q_EMIT focusChannelChanged(channel);
}

// Old row widgets are deleted later: a rebuild may be triggered from one of their own
// signals (a colour change that leads the main window to re-apply the configuration).
void ChannelDetailsView::resetGrid()
{
    for (QWidget* widget : std::as_const(m_builtWidgets)) {
        widget->hide();
        widget->setParent(nullptr);
        widget->deleteLater();
    }
    m_builtWidgets.clear();
    m_rows.clear();
    delete m_layout;
    m_layout = new QGridLayout(this);
    m_layout->setSpacing(0);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSizeConstraint(QLayout::SetMinAndMaxSize);
    for (int column : {ColorColumn, VisibleColumn, PeakColumn}) {
        m_layout->setColumnStretch(column, 0);
    }
    m_layout->setColumnStretch(NameColumn, 1);
    addHeader();
}

// Extra height goes below the last row, so the rows stay together at the top.
void ChannelDetailsView::finishGrid()
{
    m_layout->setRowStretch(int(m_rows.size()) + 1, 1);
}

void ChannelDetailsView::addHeader()
{
    m_headerLabels.clear();
    for (int column : {NameColumn, PeakColumn, IntegralColumn}) {
        auto* label = new QLabel(this);
        m_layout->addWidget(label, 0, column);
        m_builtWidgets.append(label);
        m_headerLabels.append(label);
    }
    setHeaderTexts();
}

void ChannelDetailsView::setHeaderTexts()
{
    const QString titles[] = {tr("Name"), tr("Peak"), tr("Integral")};
    for (qsizetype i = 0; i < m_headerLabels.size(); ++i)
        m_headerLabels.at(i)->setText(titles[i]);
}

void ChannelDetailsView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        setHeaderTexts();
    QWidget::changeEvent(event);
}

void ChannelDetailsView::addRow(int channel, const QString& title,
                                const ChannelDisplaySettings::Entry& display)
{
    const int gridRow = int(m_rows.size()) + 1;
    const QString suffix = QString::number(channel);

    auto* colorButton = new QPushButton(this);
    colorButton->setObjectName(QStringLiteral("colorButton") + suffix);
    colorButton->setFlat(true);
    colorButton->setFixedSize(ColorButtonSize, ColorButtonSize);
    colorButton->setStyleSheet(colorButtonStyle(display.color));
    connect(colorButton, &QPushButton::clicked, this, &ChannelDetailsView::colorDialogRequested);
    m_layout->addWidget(colorButton, gridRow, ColorColumn);

    auto* visibleBox = new QCheckBox(this);
    visibleBox->setObjectName(QStringLiteral("visibleCheckBox") + suffix);
    visibleBox->setChecked(display.visible);
    connect(visibleBox, &QCheckBox::stateChanged, this,
            &ChannelDetailsView::visibilityStatusChanged);
    m_layout->addWidget(visibleBox, gridRow, VisibleColumn);

    auto* label = new ChannelDetailsLabel(
        quint8(channel), QString::number(channel + 1) + QStringLiteral(":") + title, this);
    label->setObjectName(QStringLiteral("channelLabel") + suffix);
    connect(label, &ChannelDetailsLabel::selected, this, &ChannelDetailsView::channelSelected);
    m_layout->addWidget(label, gridRow, NameColumn);

    m_builtWidgets << colorButton << visibleBox << label;
    Row row{channel,
            colorButton,
            visibleBox,
            label,
            addValueField(QStringLiteral("peakField") + suffix, gridRow, PeakColumn),
            addValueField(QStringLiteral("integralField") + suffix, gridRow, IntegralColumn)};
    row.peakField->setEnabled(display.visible);
    row.integralField->setEnabled(display.visible);
    m_rows.push_back(row);
}

QLineEdit* ChannelDetailsView::addValueField(const QString& name, int gridRow, int column)
{
    auto* field = new QLineEdit(QStringLiteral("0"), this);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight);
    field->setMinimumWidth(ValueFieldMinimumWidth);
    m_layout->addWidget(field, gridRow, column);
    m_builtWidgets.append(field);
    return field;
}

ChannelDetailsView::Row* ChannelDetailsView::rowOf(int channel)
{
    for (Row& row : m_rows) {
        if (row.channel == channel) {
            return &row;
        }
    }
    return nullptr;
}

ChannelDetailsView::Row* ChannelDetailsView::rowOfSender()
{
    const QObject* source = sender();
    for (Row& row : m_rows) {
        if (row.colorButton == source || row.visibleBox == source) {
            return &row;
        }
    }
    return nullptr;
}

bool ChannelDetailsView::showsValues(const Row* row) const
{
    return row && row->visibleBox->isChecked();
}

void ChannelDetailsView::applyVisibleToAllRows(bool visible)
{
    for (Row& row : m_rows) {
        const QSignalBlocker blocker(row.visibleBox);
        row.visibleBox->setChecked(visible);
        showRowVisible(row, visible);
    }
}

void ChannelDetailsView::showRowVisible(Row& row, bool visible)
{
    for (QLineEdit* field : {row.peakField, row.integralField}) {
        field->clear();
        field->setEnabled(visible);
    }
}
