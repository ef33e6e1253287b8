#include "PressureSensorWidget.h"

#include "ui_PressureSensorWidget.h"

#include "FirmwareInfo.h"
#include "KRT24ModuleConfig.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

#include <limits>
#include <vector>

namespace {

constexpr int ChannelCount = 8;
// Ratings in list order; the first five make the list of every firmware.
constexpr int Ratings[] = {1, 2, 4, 5, 6, 7, 8, 9, 10, 11};
constexpr int StandardRatingCount = 5;
constexpr int HighTemperatureRatingCount = 10;
constexpr int FactorCount = 26;
constexpr int NameLength = 16; // a channel title travels as 16 bytes

// The texts come from the display catalog; without one the key itself comes back, and
// the English texts stand in for it.
const QStringList& englishRatingTexts()
{
    static const QStringList texts = {
        QStringLiteral("1:100MPa Sensor"),
        QStringLiteral("2:200MPa Sensor"),
        QStringLiteral("4:Button Type Sensor 50N"),
        QStringLiteral("5:Button Type Sensor 200N"),
        QStringLiteral("6:Button Type Sensor 1000N"),
        QString::fromUtf8("7:Button Type Sensor (High Temp 200\u2103) 50N"),
        QString::fromUtf8("8:Button Type Sensor (High Temp 200\u2103) 200N"),
        QString::fromUtf8("9:Button Type Sensor (High Temp 200\u2103) 1000N"),
        QString::fromUtf8("A:Button Type Sensor (High Temp 200\u2103) 4kN"),
        QString::fromUtf8("B:Button Type Sensor (High Temp 200\u2103) 16kN"),
    };
    return texts;
}

bool hasShape(int rating)
{
    return rating >= 4 && rating <= 11;
}

QWidget* cellOf(std::initializer_list<QWidget*> widgets)
{
    auto* cell = new QWidget;
    auto* layout = new QHBoxLayout(cell);
    layout->setContentsMargins(2, 0, 2, 0);
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    return cell;
}

QDoubleSpinBox* dimensionSpinBox(const char* objectName, int decimals, double maximum)
{
    auto* spinBox = new QDoubleSpinBox;
    spinBox->setObjectName(QLatin1String(objectName));
    spinBox->setKeyboardTracking(false);
    spinBox->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    spinBox->setDecimals(decimals);
    spinBox->setRange(0.0, maximum);
    spinBox->setSingleStep(0.1);
    return spinBox;
}

} // namespace

PressureSensorWidget::PressureSensorWidget(QWidget* parent)
    : SettingsWidgetBase(parent), m_ui(std::make_unique<Ui::PressureSensorWidget>())
{
    m_ui->setupUi(this);
    QTableWidget* table = m_ui->sensorTableWidget;
    table->setRowCount(ChannelCount);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (int channel = 0; channel < ChannelCount; ++channel) {
        buildRow(channel);
        connectRow(channel);
    }
    setModule(nullptr);
}

PressureSensorWidget::~PressureSensorWidget() = default;

void PressureSensorWidget::buildRow(int channel)
{
    Row row;
    row.enabled = new QCheckBox;
    row.enabled->setObjectName(QStringLiteral("enabledCheckBox"));
    row.name = new QLineEdit;
    row.name->setObjectName(QStringLiteral("nameLineEdit"));
    row.name->setMinimumWidth(row.name->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 10);
    row.rating = new QComboBox;
    row.rating->setObjectName(QStringLiteral("ratingComboBox"));
    // The longest ratings would make the table wider than the editor: the combo shows
    // a sensor type's start, its open list shows every name in full.
    row.rating->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    row.rating->setMinimumContentsLength(14);
    row.rating->view()->setTextElideMode(Qt::ElideNone);
    row.factor = new QComboBox;
    row.factor->setObjectName(QStringLiteral("factorComboBox"));
    for (int i = 0; i < FactorCount; ++i)
        row.factor->addItem(QString(QLatin1Char(char('A' + i))));
    row.distortion = new QSpinBox;
    row.distortion->setObjectName(QStringLiteral("distortionSpinBox"));
    row.distortion->setKeyboardTracking(false);
    row.distortion->setRange(0, 9999);
    row.shape = new QComboBox;
    row.shape->setObjectName(QStringLiteral("shapeComboBox"));
    row.shape->addItems({tr("Round"), tr("Rectangle"), tr("Other")});
    // Sizes travel in 0.01 mm as 16 bits, the area in 0.0001 mm² as 32 bits.
    const double maxSize = std::numeric_limits<quint16>::max() / 100.0;
    const double maxArea = std::numeric_limits<quint32>::max() / 10000.0;
    row.radius = dimensionSpinBox("radiusSpinBox", 2, maxSize);
    row.width = dimensionSpinBox("widthSpinBox", 2, maxSize);
    row.height = dimensionSpinBox("heightSpinBox", 2, maxSize);
    row.area = dimensionSpinBox("areaSpinBox", 4, maxArea);
    fillRatings(row.rating);

    QTableWidget* table = m_ui->sensorTableWidget;
    table->setCellWidget(channel, NameColumn, cellOf({row.enabled, row.name}));
    table->setCellWidget(channel, SensitivityColumn,
                         cellOf({row.rating, row.factor, row.distortion}));
    table->setCellWidget(channel, ShapeColumn, cellOf({row.shape}));
    table->setCellWidget(channel, RadiusColumn, cellOf({row.radius}));
    table->setCellWidget(channel, WidthColumn, cellOf({row.width}));
    table->setCellWidget(channel, HeightColumn, cellOf({row.height}));
    table->setCellWidget(channel, AreaColumn, cellOf({row.area}));
    m_rows.append(row);
}

template <typename Change> void PressureSensorWidget::editSensor(int channel, Change change)
{
    if (!m_module)
        return;
    PressureSensorParams params = m_module->sensor(channel);
    change(params);
    m_module->setSensor(channel, params);
}

void PressureSensorWidget::connectRow(int channel)
{
    const Row& row = m_rows[channel];
    connect(row.enabled, &QCheckBox::toggled, this, [this, channel](bool on) {
        if (ChannelConfig* config = m_module ? m_module->channel(channel) : nullptr) {
            config->setEnabled(on);
            emit channelEnabledFlagChanged(channel, on);
        }
    });
    connect(row.name, &QLineEdit::textEdited, this, [this, channel](const QString& text) {
        if (ChannelConfig* config = m_module ? m_module->channel(channel) : nullptr) {
            config->setTitle(text);
            emit channelNameChanged(channel, config->displayTitle());
        }
    });
    connect(row.rating, &QComboBox::currentIndexChanged, this, [this, channel](int index) {
        if (index < 0)
            return;
        const int rating = m_rows[channel].rating->itemData(index).toInt();
        editSensor(channel, [rating](PressureSensorParams& p) { p.rating = quint8(rating); });
        updateEnabling(channel);
    });
    connect(row.factor, &QComboBox::currentIndexChanged, this, [this, channel](int index) {
        if (index >= 0)
            editSensor(channel, [index](PressureSensorParams& p) { p.factor = char('A' + index); });
    });
    connect(row.distortion, &QSpinBox::valueChanged, this, [this, channel](int value) {
        editSensor(channel, [value](PressureSensorParams& p) { p.distortion = quint16(value); });
    });
    connect(row.shape, &QComboBox::currentIndexChanged, this, [this, channel](int index) {
        if (index < 0)
            return;
        editSensor(channel, [index](PressureSensorParams& p) { p.pinType = index; });
        updateEnabling(channel);
    });
    connect(row.radius, &QDoubleSpinBox::valueChanged, this, [this, channel](double value) {
        editSensor(channel, [value](PressureSensorParams& p) { p.radius = float(value); });
    });
    connect(row.width, &QDoubleSpinBox::valueChanged, this, [this, channel](double value) {
        editSensor(channel, [value](PressureSensorParams& p) { p.width = float(value); });
    });
    connect(row.height, &QDoubleSpinBox::valueChanged, this, [this, channel](double value) {
        editSensor(channel, [value](PressureSensorParams& p) { p.height = float(value); });
    });
    connect(row.area, &QDoubleSpinBox::valueChanged, this, [this, channel](double value) {
        editSensor(channel, [value](PressureSensorParams& p) { p.area = value; });
    });
}

bool PressureSensorWidget::offersHighTemperatureRatings() const
{
    return !m_connected || firmwareSupportsSensor200DegC();
}

QStringList PressureSensorWidget::ratingTexts() const
{
    const bool extended = offersHighTemperatureRatings();
    const int count = extended ? HighTemperatureRatingCount : StandardRatingCount;
    const QStringList texts =
        (extended ? tr("SensorSpecSensor200DegC") : tr("SensorSpec")).split(QLatin1Char('\n'));
    return texts.size() == count ? texts : englishRatingTexts().mid(0, count);
}

void PressureSensorWidget::fillRatings(QComboBox* combo) const
{
    const QSignalBlocker blocker(combo);
    const QVariant selected = combo->currentData();
    combo->clear();
    const QStringList texts = ratingTexts();
    for (int i = 0; i < texts.size(); ++i)
        combo->addItem(texts[i], Ratings[i]);
    combo->view()->setMinimumWidth(combo->view()->sizeHintForColumn(0) + 24);
    // Adding items selects the first, which is no rating the channel chose.
    combo->setCurrentIndex(selected.isValid() ? combo->findData(selected) : -1);
}

void PressureSensorWidget::setSystemConfig(SystemConfig* config)
{
    SettingsWidgetBase::setSystemConfig(config);
    // The module belonged to the configuration that was there before.
    setModule(nullptr);
}

void PressureSensorWidget::setModule(KRT24ModuleConfig* module)
{
    m_module = module;
    m_ui->sensorTableWidget->setEnabled(module != nullptr);
    if (!module)
        return;
    for (int channel = 0; channel < m_rows.size(); ++channel)
        fillRow(channel);
}

void PressureSensorWidget::setConnected(bool connected)
{
    m_connected = connected;
    for (int channel = 0; channel < m_rows.size(); ++channel) {
        fillRatings(m_rows[channel].rating);
        if (m_module)
            fillRow(channel);
    }
}

void PressureSensorWidget::refreshNames()
{
    if (!m_module)
        return;
    for (int channel = 0; channel < m_rows.size(); ++channel)
        fillRow(channel);
}

void PressureSensorWidget::fillRow(int channel)
{
    const Row& row = m_rows[channel];
    const ChannelConfig* config = m_module->channel(channel);
    const PressureSensorParams params = m_module->sensor(channel);
    const QList<QWidget*> widgets = {row.enabled,    row.name,  row.rating, row.factor,
                                     row.distortion, row.shape, row.radius, row.width,
                                     row.height,     row.area};
    std::vector<QSignalBlocker> blockers;
    blockers.reserve(size_t(widgets.size()));
    for (QWidget* widget : widgets)
        blockers.emplace_back(widget);

    row.enabled->setChecked(config->enabled());
    // A fixed title (the pseudo-resister) is shown instead of the name and cannot be edited;
    // it may be longer than a name the unit takes.
    const bool fixedTitle = !config->fixedTitle().isEmpty();
    row.name->setMaxLength(fixedTitle ? 32767 : NameLength);
    row.name->setText(config->displayTitle());
    row.name->setReadOnly(fixedTitle);
    // A rating this list does not offer leaves the combo as it was.
    const int ratingIndex = row.rating->findData(int(params.rating));
    if (ratingIndex >= 0)
        row.rating->setCurrentIndex(ratingIndex);
    const int factorIndex = params.factor - 'A';
    row.factor->setCurrentIndex(factorIndex >= 0 && factorIndex < FactorCount ? factorIndex : -1);
    row.distortion->setValue(params.distortion);
    row.shape->setCurrentIndex(params.pinType >= Round && params.pinType <= Other ? params.pinType
                                                                                  : -1);
    row.radius->setValue(params.radius);
    row.width->setValue(params.width);
    row.height->setValue(params.height);
    row.area->setValue(params.area);
    updateEnabling(channel);
}

void PressureSensorWidget::updateEnabling(int channel)
{
    const Row& row = m_rows[channel];
    const PressureSensorParams params =
        m_module ? m_module->sensor(channel) : PressureSensorParams{};
    const bool shaped = hasShape(params.rating);
    row.shape->setEnabled(shaped);
    row.radius->setEnabled(shaped && params.pinType == Round);
    row.width->setEnabled(shaped && params.pinType == Rectangle);
    row.height->setEnabled(shaped && params.pinType == Rectangle);
    row.area->setEnabled(shaped && params.pinType == Other);
}

void PressureSensorWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        for (const Row& row : std::as_const(m_rows)) {
            row.shape->setItemText(Round, tr("Round"));
            row.shape->setItemText(Rectangle, tr("Rectangle"));
            row.shape->setItemText(Other, tr("Other"));
        }
        setConnected(m_connected);
    }
    SettingsWidgetBase::changeEvent(event);
}
