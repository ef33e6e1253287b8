#include "ChannelSettingsWidget.h"

#include "AppSettings.h"
#include "ChannelConfig.h"
#include "ChannelDisplaySettings.h"
#include "GLPlotArea.h"
#include "GLPlotHost.h"
#include "GLPlotView.h"
#include "KRT24ModuleConfig.h"
#include "LimitSuggestionDialog.h"
#include "SystemConfig.h"
#include "ZRBModuleConfig.h"
#include "ZRCModuleConfig.h"
#include "ui_ChannelSettingsWidget.h"

#include <QAction>
#include <QEvent>
#include <QSignalBlocker>
#include <QToolBar>

ChannelSettingsWidget::ChannelSettingsWidget(QWidget* parent)
    : SettingsWidgetBase(parent), m_ui(std::make_unique<Ui::channelSettingsWidget>())
{
    m_ui->setupUi(this);
    m_ui->integralEditor->setIntegral(true);
    m_ui->peakIntegralEditor->setIntegral(true);
    setEditorTitles();
    setUpPlot();
    connectEditors();
    setEnabled(false);
}

ChannelSettingsWidget::~ChannelSettingsWidget() = default;

void ChannelSettingsWidget::setEditorTitles()
{
    m_ui->zone1Editor->setTitle(tr("Monitoring Zone 1"));
    m_ui->zone2Editor->setTitle(tr("Monitoring Zone 2"));
    m_ui->pointEditor->setTitle(tr("Point Monitoring"));
    m_ui->peakTimeEditor->setTitle(tr("Peak Time Monitoring"));
    m_ui->integralEditor->setTitle(tr("Integral Monitoring"));
    m_ui->peakIntegralEditor->setTitle(tr("Integral to Peak Monitoring"));
    m_ui->ejectEditor->setTitle(tr("Eject Monitoring"));
    m_ui->slopeEditor->setTitle(tr("Slope Monitoring"));
}

GLPlotView* ChannelSettingsWidget::plotView() const
{
    return m_ui->plotView;
}

void ChannelSettingsWidget::setUpPlot()
{
    GLPlotView* plot = m_ui->plotView;
    plot->setupToolbar({GLPlotView::ZoneEditItem, GLPlotView::RangeEditItem,
                        GLPlotView::PointEditItem, GLPlotView::WaveformEditItem,
                        GLPlotView::CursorItem, GLPlotView::SingleZoomItem, GLPlotView::HandItem,
                        GLPlotView::SeparatorItem, GLPlotView::FullScaleItem, GLPlotView::FitXItem,
                        GLPlotView::FitFocusedYItem, GLPlotView::SeparatorItem,
                        GLPlotView::ShowZoneItem, GLPlotView::ShowPointItem,
                        GLPlotView::ShowReferenceItem, GLPlotView::ShowWaveformItem});
    plot->setMode(ChannelSettingsMode);
    selectTool(GLPlotArea::ZoneEditTool);
    connect(plot, &GLPlotView::zoneChanged, this, &ChannelSettingsWidget::updateZoneFromPlot);
    connect(plot, &GLPlotView::rangeChanged, this, &ChannelSettingsWidget::updateRangeFromPlot);
    connect(plot, &GLPlotView::tSecChanged, this, &ChannelSettingsWidget::updateTSecFromPlot);
}

void ChannelSettingsWidget::selectTool(int tool)
{
    for (QAction* action : m_ui->plotView->toolBar()->actions()) {
        if (action->isCheckable() && action->actionGroup() && action->data().toInt() == tool) {
            action->trigger();
            return;
        }
    }
}

void ChannelSettingsWidget::connectEditors()
{
    Ui::channelSettingsWidget* ui = m_ui.get();
    const auto edit = [this](auto apply) {
        return [this, apply](const auto& value) {
            if (!m_channel)
                return;
            apply(*m_channel, value);
            channelEdited();
        };
    };
    connect(ui->zone1Editor, &ZoneEditorWidget::valueChanged, this,
            edit([](ChannelConfig& c, const Zone& v) { c.setZone1(v); }));
    connect(ui->zone2Editor, &ZoneEditorWidget::valueChanged, this,
            edit([](ChannelConfig& c, const Zone& v) { c.setZone2(v); }));
    connect(ui->ejectEditor, &ZoneEditorWidget::valueChanged, this,
            edit([](ChannelConfig& c, const Zone& v) { c.setEject(v); }));
    connect(ui->pointEditor, &TSecEditorWidget::valueChanged, this,
            edit([](ChannelConfig& c, const TSec& v) { c.setPoint(v); }));
    connect(ui->peakTimeEditor, &TimeRangeEditorWidget::valueChanged, this,
            edit([](ChannelConfig& c, const TimeRange& v) { c.setPeakTime(v); }));
    connect(ui->integralEditor, &ValueRangeEditorWidget::valueChanged, this,
            edit([](ChannelConfig& c, const ValueRange& v) { c.setIntegral(v); }));
    connect(ui->peakIntegralEditor, &ValueRangeEditorWidget::valueChanged, this,
            edit([](ChannelConfig& c, const ValueRange& v) { c.setPeakIntegral(v); }));
    connect(ui->slopeEditor, &SlopeEditorWidget::valueChanged, this,
            edit([](ChannelConfig& c, const Slope& v) { c.setSlope(v); }));

    connect(ui->channelStateComboBox, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_channel)
            return;
        m_channel->setEnabled(index == 0);
        channelEdited();
        Q_EMIT channelEnabledFlagChanged(m_moduleIndex, m_channelIndex, index == 0);
    });
    connect(ui->channelNameEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!m_channel)
            return;
        m_channel->setTitle(text);
        channelEdited();
        Q_EMIT channelNameChanged(m_moduleIndex, m_channelIndex, m_channel->displayTitle());
    });
    connect(ui->waveformCheckBox, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_channel)
            return;
        m_channel->setWaveformEnabled(on);
        m_ui->waveformEditButton->setEnabled(on);
        channelEdited();
    });
    // The edit button picks the plot's monitoring waveform tool, the only place where
    // that waveform can be shaped.
    // The edit button picks the plot's monitoring waveform tool, the only place where
    // that waveform can be shaped; releasing it returns to the zone tool.
    connect(ui->waveformEditButton, &QPushButton::toggled, this, [this](bool on) {
        selectTool(on ? GLPlotArea::WaveformEditTool : GLPlotArea::ZoneEditTool);
    });
    connect(ui->suggestLimitsButton, &QPushButton::clicked, this,
            &ChannelSettingsWidget::suggestLimits);
    connect(ui->applyAllButton, &QPushButton::clicked, this, [this] {
        if (m_channel)
            Q_EMIT applyToAllChannelRequested(m_moduleIndex, m_channelIndex);
    });
}

void ChannelSettingsWidget::setSystemConfig(SystemConfig* config)
{
    SettingsWidgetBase::setSystemConfig(config);
    m_channel = nullptr;
    m_moduleIndex = -1;
    m_channelIndex = -1;
    setEnabled(false);
    GLPlotView* plot = m_ui->plotView;
    plot->removeAllChannels();
    if (config)
        plot->setChannelCount(config->channelCount());
    // The channel keeps the colour and the opacities the operator knows from the monitor.
    AppSettings settings;
    plot->setGridOpacity(float(settings.gridOpacity()));
    plot->setReferenceWaveformOpacity(float(settings.referenceWaveformOpacity()));
    plot->setRangeOpacity(float(settings.rangeOpacity()));
    ChannelDisplaySettings display;
    for (int c = 0; c < plot->channelCount(); ++c)
        plot->setChannelColor(c, display.entry(c).color);
    if (!m_referenceName.isEmpty())
        plot->setReferenceWaveforms(m_referenceWaveforms, m_referenceInterval, m_referenceName);
    refreshPlot();
    // Only channels that the configuration made pressure channels take the full scale.
    plot->setPressureFullScale(float(settings.pressureDisplayRange()));
}

void ChannelSettingsWidget::refreshPlot()
{
    const SystemConfig* config = m_systemConfig;
    if (!config)
        return;
    GLPlotView* plot = m_ui->plotView;
    plot->setObservationPeriod(int(config->period()) * 1000);
    plot->setSamplingInterval(config->samplingInterval());
    const int focus = globalIndex();
    for (int c = 0; c < config->channelCount(); ++c) {
        plot->applyChannelConfig(c, *config->channelAt(c));
        // The page is about one channel: the others would only hide its zones.
        plot->setChannelVisible(c, c == focus);
    }
    if (focus >= 0)
        plot->setFocusChannel(focus);
}

void ChannelSettingsWidget::setChannel(ChannelConfig* channel, int moduleIndex, int channelIndex)
{
    m_channel = channel;
    m_moduleIndex = moduleIndex;
    m_channelIndex = channelIndex;
    setEnabled(channel != nullptr);
    if (!channel)
        return;
    fillHeader();
    fillEditors();
    refreshPlot();
}

int ChannelSettingsWidget::globalIndex() const
{
    if (!m_systemConfig || !m_channel)
        return -1;
    return m_systemConfig->globalChannelIndex(m_moduleIndex, m_channelIndex);
}

void ChannelSettingsWidget::fillHeader()
{
    Ui::channelSettingsWidget* ui = m_ui.get();
    const QSignalBlocker state(ui->channelStateComboBox);
    ui->channelStateComboBox->setCurrentIndex(m_channel->enabled() ? 0 : 1);
    // A fixed title (the pseudo-resister) belongs to the module, not to the operator.
    const bool fixed = !m_channel->fixedTitle().isEmpty();
    ui->channelNameEdit->setText(fixed ? m_channel->fixedTitle() : m_channel->title());
    ui->channelNameEdit->setReadOnly(fixed);
    ui->sensorCodeLabel->setText(sensorCodeText());
    const QSignalBlocker waveform(ui->waveformCheckBox);
    ui->waveformCheckBox->setChecked(m_channel->waveformEnabled());
    ui->waveformEditButton->setEnabled(m_channel->waveformEnabled());
}

QString ChannelSettingsWidget::sensorCodeText() const
{
    const ModuleConfigBase* module = m_channel->module();
    if (const auto* krt = dynamic_cast<const KRT24ModuleConfig*>(module))
        return krt->sensor(m_channelIndex).sensorCodeText();
    quint16 code = 0;
    if (const auto* zrb = dynamic_cast<const ZRBModuleConfig*>(module))
        code = zrb->sensorCode(m_channelIndex);
    else if (const auto* zrc = dynamic_cast<const ZRCModuleConfig*>(module))
        code = zrc->sensorCode(m_channelIndex);
    if (code == 0)
        return QStringLiteral("-");
    return QString(QChar(code >> 8)) + QChar(code & 0xFF);
}

void ChannelSettingsWidget::fillEditors()
{
    const ChannelConfig& c = *m_channel;
    m_ui->zone1Editor->setValue(c, c.zone1());
    m_ui->zone2Editor->setValue(c, c.zone2());
    m_ui->ejectEditor->setValue(c, c.eject());
    m_ui->pointEditor->setValue(c, c.point());
    m_ui->peakTimeEditor->setValue(c, c.peakTime());
    m_ui->integralEditor->setValue(c, c.integral());
    m_ui->peakIntegralEditor->setValue(c, c.peakIntegral());
    m_ui->slopeEditor->setValue(c, c.slope());
}

void ChannelSettingsWidget::channelEdited()
{
    const int ch = globalIndex();
    if (ch >= 0)
        m_ui->plotView->applyChannelConfig(ch, *m_channel);
}

void ChannelSettingsWidget::updateZoneFromPlot(int ch, int zoneId, GLZone zone)
{
    if (!m_channel || ch != globalIndex())
        return;
    m_channel->setZoneFromPlot(zoneId, zone);
    // The editor shows what the channel now holds (times cut to 10 ms, limits applied).
    if (zoneId == ChannelConfig::Zone1)
        m_ui->zone1Editor->setValue(*m_channel, m_channel->zone1());
    else if (zoneId == ChannelConfig::Zone2)
        m_ui->zone2Editor->setValue(*m_channel, m_channel->zone2());
    else if (zoneId == ChannelConfig::EjectZone)
        m_ui->ejectEditor->setValue(*m_channel, m_channel->eject());
}

void ChannelSettingsWidget::updateRangeFromPlot(int ch, int rangeId, GLRange range)
{
    if (!m_channel || ch != globalIndex() || rangeId != 0)
        return;
    m_channel->setPeakTimeFromPlot(range);
    m_ui->peakTimeEditor->setValue(*m_channel, m_channel->peakTime());
}

void ChannelSettingsWidget::updateTSecFromPlot(int ch, GLTSec point)
{
    if (!m_channel || ch != globalIndex())
        return;
    m_channel->setPointFromPlot(point);
    m_ui->pointEditor->setValue(*m_channel, m_channel->point());
}

// The proposal changes only this page's copy, as an edit by hand would; saving and
// sending stay the operator's step.
void ChannelSettingsWidget::suggestLimits()
{
    if (!m_channel)
        return;
    auto* dialog = new LimitSuggestionDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    ChannelConfig* channel = m_channel;
    connect(dialog, &QDialog::accepted, this, [this, dialog, channel] {
        if (channel != m_channel)
            return;
        dialog->suggestion().applyTo(*m_channel);
        fillEditors();
        channelEdited();
    });
    dialog->start(*m_channel, globalIndex(), m_shotLogFolder, m_settingsName);
    dialog->open();
}

void ChannelSettingsWidget::setSettingsName(const QString& name)
{
    m_settingsName = name;
    m_ui->plotView->setMoldName(name);
}

void ChannelSettingsWidget::setReferenceWaveforms(const QList<GLWaveform>& waveforms, int interval,
                                                  const QString& fileName)
{
    m_referenceWaveforms = waveforms;
    m_referenceInterval = interval;
    m_referenceName = fileName;
    m_ui->plotView->setReferenceWaveforms(waveforms, interval, fileName);
}

void ChannelSettingsWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        setEditorTitles();
    }
    SettingsWidgetBase::changeEvent(event);
}
