#include "GLPlotView.h"

#include "GLAxisCorner.h"
#include "GLPlotArea.h"
#include "GLXAxis.h"
#include "GLYAxis.h"
#include "GLZoomLevels.h"

#include <QAction>
#include <QActionGroup>
#include <QDebug>
#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <QToolBar>

// The icons live in this static library; its resources must be registered by hand.
static void initPlotResources()
{
    Q_INIT_RESOURCE(plot);
}

namespace {

struct ToolbarEntry
{
    int item;
    const char* icon;
    const char* toolTip;
    int tool; // tool id for tool actions, -1 otherwise
    bool checked;
};

// Display toggles and fit buttons have no tool; display toggles are recognised by id.
constexpr ToolbarEntry ToolbarEntries[] = {
    {1, ":/icon/hand2.png", QT_TRANSLATE_NOOP("GLPlotView", "Hand tool"), 0, true},
    {2, ":/icon/magnifier.png", QT_TRANSLATE_NOOP("GLPlotView", "Single channel zoom tool"), 1,
     false},
    {3, ":/icon/magnifier_multi.png", QT_TRANSLATE_NOOP("GLPlotView", "All channel zoom tool"), 2,
     false},
    {4, ":/icon/cursor.png", QT_TRANSLATE_NOOP("GLPlotView", "Cursor tool"), 3, false},
    {5, ":/icon/integralCursor.png", QT_TRANSLATE_NOOP("GLPlotView", "Integral cursor tool"), 4,
     false},
    {6, ":/icon/zoneEditor.png", QT_TRANSLATE_NOOP("GLPlotView", "Monitoring zone edit tool"), 5,
     true},
    {7, ":/icon/pointEditor.png", QT_TRANSLATE_NOOP("GLPlotView", "Point monitoring edit tool"), 8,
     true},
    {8, ":/icon/rangeEditor.png", QT_TRANSLATE_NOOP("GLPlotView", "Range edit tool"), 6, true},
    {18, ":/icon/waveformEditor.png",
     QT_TRANSLATE_NOOP("GLPlotView", "Monitoring waveform edit tool"), 7, true},
    {9, ":/icon/fullscale.png", QT_TRANSLATE_NOOP("GLPlotView", "Zoom out to full scale"), -1,
     false},
    {10, ":/icon/fit_h.png", QT_TRANSLATE_NOOP("GLPlotView", "Zoom out horizontally to full scale"),
     -1, false},
    {11, ":/icon/fit_v_single.png",
     QT_TRANSLATE_NOOP("GLPlotView", "Zoom in current channel verticallly to fit"), -1, false},
    {12, ":/icon/fit_v_all.png",
     QT_TRANSLATE_NOOP("GLPlotView", "Zoom in all channel vertically to fit"), -1, false},
    {13, ":/icon/showOverwrite.png", QT_TRANSLATE_NOOP("GLPlotView", "Show/Hide Overwrite"), -1,
     true},
    {14, ":/icon/showZone.png", QT_TRANSLATE_NOOP("GLPlotView", "Show/Hide Monitoring zone"), -1,
     true},
    {15, ":/icon/showPoint.png", QT_TRANSLATE_NOOP("GLPlotView", "Show/Hide Point monitoring zone"),
     -1, true},
    {16, ":/icon/showReference.png",
     QT_TRANSLATE_NOOP("GLPlotView", "Show/Hide Reference waveform"), -1, true},
    {17, ":/icon/showWaveform.png",
     QT_TRANSLATE_NOOP("GLPlotView", "Show/Hide monitoring waveform"), -1, true},
};

const ToolbarEntry* toolbarEntry(int item)
{
    for (const ToolbarEntry& entry : ToolbarEntries) {
        if (entry.item == item)
            return &entry;
    }
    return nullptr;
}

} // namespace

GLPlotView::GLPlotView(QWidget* parent) : QWidget(parent)
{
    initPlotResources();
    m_xGridStep = GLZoomLevels::timeGridStep(m_xEnd - m_xStart);
    buildLayout();
    connectArea();
    updateHeader();
}

GLPlotView::~GLPlotView()
{
    qDeleteAll(m_channels);
}

void GLPlotView::buildLayout()
{
    auto* layout = new QGridLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);

    m_toolBar = new QToolBar(this);
    m_toolBar->setStyleSheet(QStringLiteral("QToolBar { margin: 1px; border: 1px solid; "
                                            "border-color: palette( midlight ); "
                                            "border-radius: 4px;}"));
    layout->addWidget(m_toolBar, 0, 0, 1, 3);

    m_unitLabel = new QLabel(this);
    m_unitLabel->setStyleSheet(QStringLiteral(
        "border: 1px solid; border-color: #808080; background-color: black; color: #808080"));
    m_unitLabel->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_unitLabel, 1, 0);
    m_headerLabel = new QLabel(this);
    m_headerLabel->setAutoFillBackground(true);
    m_headerLabel->setStyleSheet(
        QStringLiteral("border: 1px solid; border-color: #808080; background-color: black; "
                       "color: lightgray; font-size:9pt"));
    // A long reference or settings name is cut off at the plot's edge (the tool tip holds
    // it whole) rather than widening the plot and the window around it.
    m_headerLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout->addWidget(m_headerLabel, 1, 1, 1, 2);

    buildYAxisColumn(layout);
    m_plotArea = new GLPlotArea(this);
    layout->addWidget(m_plotArea, 2, 1, 2, 2);
    buildXAxisRow(layout);

    const int rowStretch[] = {0, 0, 1, 3, 0, 0};
    for (int row = 0; row < 6; ++row)
        layout->setRowStretch(row, rowStretch[row]);
    const int columnStretch[] = {0, 3, 1, 0};
    for (int column = 0; column < 4; ++column)
        layout->setColumnStretch(column, columnStretch[column]);
}

void GLPlotView::buildYAxisColumn(QGridLayout* layout)
{
    m_yAxis = new GLYAxis(this);
    layout->addWidget(m_yAxis, 2, 0, 2, 1);
    m_yScaleSlider = new QSlider(Qt::Vertical, this);
    m_yScaleSlider->setRange(0, int(GLZoomLevels::yFactors().size()) - 1);
    layout->addWidget(m_yScaleSlider, 2, 3);
    m_verticalScrollBar = new QScrollBar(Qt::Vertical, this);
    m_verticalScrollBar->setRange(0, 0);
    layout->addWidget(m_verticalScrollBar, 3, 3);
    // Queued: the slider must settle before the range it causes moves it again.
    connect(m_yScaleSlider, &QSlider::valueChanged, this, &GLPlotView::scaleChangedY,
            Qt::QueuedConnection);
    connect(m_verticalScrollBar, &QScrollBar::valueChanged, this, &GLPlotView::scrollVertical);
}

void GLPlotView::buildXAxisRow(QGridLayout* layout)
{
    m_axisCorner = new GLAxisCorner(this);
    layout->addWidget(m_axisCorner, 4, 0);
    m_xAxis = new GLXAxis(this);
    layout->addWidget(m_xAxis, 4, 1, 1, 2);
    m_horizontalScrollBar = new QScrollBar(Qt::Horizontal, this);
    m_horizontalScrollBar->setRange(0, 0);
    layout->addWidget(m_horizontalScrollBar, 5, 1);
    m_xScaleSlider = new QSlider(Qt::Horizontal, this);
    m_xScaleSlider->setRange(0, int(GLZoomLevels::xFactors().size()) - 1);
    layout->addWidget(m_xScaleSlider, 5, 2);
    connect(m_horizontalScrollBar, &QScrollBar::valueChanged, this, &GLPlotView::scrollHorizontal);
    connect(m_xScaleSlider, &QSlider::valueChanged, this, &GLPlotView::scaleChangedX);
}

void GLPlotView::connectArea()
{
    connect(m_plotArea, &GLPlotArea::plotAreaMoved, this, &GLPlotView::scrolledByHandTool);
    connect(m_plotArea, &GLPlotArea::singleChannelZoomAreaSpecified, this,
            &GLPlotView::zoomedBySingleMagnifier);
    connect(m_plotArea, &GLPlotArea::allChannelZoomAreaSpecified, this,
            &GLPlotView::zoomedByMultiMagnifier);
    connect(m_plotArea, &GLPlotArea::zoneEditCompleted, this, &GLPlotView::endZoneEdit);
    connect(m_plotArea, &GLPlotArea::rangeEditCompleted, this, &GLPlotView::endRangeEdit);
    connect(m_plotArea, &GLPlotArea::tSecEditCompleted, this, &GLPlotView::endTSecEdit);
}

void GLPlotView::setupToolbar(const QList<int>& items)
{
    const QList<QAction*> previous = m_toolBar->actions();
    m_toolBar->clear();
    qDeleteAll(previous);
    delete m_toolActions;
    m_toolActions = new QActionGroup(this);
    m_toolActions->setExclusive(true);
    connect(m_toolActions, &QActionGroup::triggered, this, &GLPlotView::changeTool);

    auto spacer = [this] {
        auto* widget = new QWidget(m_toolBar);
        widget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        m_toolBar->addWidget(widget);
    };
    spacer();
    for (int item : items)
        addToolbarItem(item);
    spacer();
    // The area follows the tool the toolbar shows as chosen, so the two never disagree.
    if (QAction* checked = m_toolActions->checkedAction())
        m_plotArea->setTool(checked->data().toInt());
}

void GLPlotView::addToolbarItem(int item)
{
    if (item == SeparatorItem) {
        m_toolBar->addSeparator();
        return;
    }
    const ToolbarEntry* entry = toolbarEntry(item);
    if (!entry)
        return;
    QAction* action =
        m_toolBar->addAction(QIcon(QString::fromLatin1(entry->icon)), tr(entry->toolTip));
    action->setToolTip(tr(entry->toolTip));
    if (entry->tool >= 0) {
        action->setCheckable(true);
        action->setData(entry->tool);
        m_toolActions->addAction(action);
        if (entry->checked)
            action->setChecked(true);
    } else if (item >= ShowOverwriteItem && item <= ShowWaveformItem) {
        action->setCheckable(true);
        action->setChecked(true);
        action->setData(item);
        connect(action, &QAction::triggered, this, &GLPlotView::changeDisplay);
    } else if (item == FullScaleItem) {
        connect(action, &QAction::triggered, this, &GLPlotView::fitFullScale);
    } else if (item == FitXItem) {
        connect(action, &QAction::triggered, this, &GLPlotView::fitX);
    } else if (item == FitFocusedYItem) {
        connect(action, &QAction::triggered, this, &GLPlotView::fitFocusedChannelY);
    } else if (item == FitAllYItem) {
        connect(action, &QAction::triggered, this, &GLPlotView::fitAllY);
    }
}

void GLPlotView::changeTool(QAction* act)
{
    if (!act)
        return;
    bool ok = false;
    const int tool = act->data().toInt(&ok);
    if (ok && tool >= GLPlotArea::HandTool && tool <= GLPlotArea::PointEditTool)
        m_plotArea->setTool(tool);
}

void GLPlotView::changeDisplay(bool checked)
{
    auto* action = qobject_cast<QAction*>(sender());
    if (!action)
        return;
    switch (action->data().toInt()) {
    case ShowOverwriteItem:
        m_showOverwrite = checked;
        break;
    case ShowZoneItem:
        // Zones, point markers and ranges are the monitoring settings: one switch.
        m_showZones = checked;
        m_showPoints = checked;
        m_showRanges = checked;
        break;
    case ShowReferenceItem:
        m_showReference = checked;
        break;
    case ShowWaveformItem:
        m_showMonitoringWaveform = checked;
        break;
    default:
        break;
    }
    m_plotArea->refresh();
}

bool GLPlotView::isLayerToggledOn(GLLayer layer) const
{
    switch (layer) {
    case GLLayer::TimeBand:
        return m_showTimeBand;
    case GLLayer::TimeRanges:
        return m_showRanges;
    case GLLayer::Zones:
        return m_showZones;
    case GLLayer::Reference:
        return m_showReference;
    case GLLayer::MonitoringBand:
        return m_showMonitoringWaveform;
    case GLLayer::Overwrite:
        return m_showOverwrite;
    case GLLayer::PointMarker:
        return m_showPoints;
    }
    return false;
}

void GLPlotView::setShowOverwrite(bool show)
{
    m_showOverwrite = show;
    repaintPlot();
}

void GLPlotView::setShowReference(bool show)
{
    m_showReference = show;
    repaintPlot();
}

void GLPlotView::setShowTimeBand(bool show)
{
    m_showTimeBand = show;
    repaintPlot();
}

void GLPlotView::setShowZones(bool show)
{
    m_showZones = show;
    repaintPlot();
}

void GLPlotView::setShowPoints(bool show)
{
    m_showPoints = show;
    repaintPlot();
}

void GLPlotView::setShowRanges(bool show)
{
    m_showRanges = show;
    repaintPlot();
}

void GLPlotView::setShowMonitoringWaveform(bool show)
{
    m_showMonitoringWaveform = show;
    repaintPlot();
}

void GLPlotView::setMode(int mode)
{
    m_mode = mode;
    updateHeader();
    repaintPlot();
}

void GLPlotView::setReferenceName(const QString& name)
{
    m_referenceName = name;
    updateHeader();
}

void GLPlotView::setMoldName(const QString& name)
{
    // A missing name stays missing, so that the header says N/A rather than ".xml".
    m_moldName = name.isEmpty() ? QString() : name + QStringLiteral(".xml");
    updateHeader();
}

QString GLPlotView::headerText() const
{
    QString text;
    if (m_periodSeconds > 0)
        text += tr("PERIOD: %1s").arg(m_periodSeconds);
    if (m_samplingInterval > 0)
        text += tr("  SAMPLING RATE: %1ms").arg(m_samplingInterval);
    if (m_mode != DataViewerMode) {
        text += m_referenceName.isEmpty() ? tr("  REFERENCE:N/A")
                                          : tr("  REFERENCE:") + m_referenceName;
    }
    text += m_moldName.isEmpty() ? tr("  MOLD:N/A") : tr("  MOLD:") + m_moldName;
    return text;
}

void GLPlotView::updateHeader()
{
    m_headerLabel->setText(headerText());
    m_headerLabel->setToolTip(m_headerLabel->text());
}

void GLPlotView::setFocusChannel(int ch)
{
    qDebug() << "New focus on ch " << ch;
    GLPlotData* channel = this->channel(ch);
    if (!channel)
        return;
    m_focusedChannel = channel;
    synchroniseYControlsQuietly();
    m_unitLabel->setText(channel->unitText());
    repaintPlot();
}

int GLPlotView::focusChannelIndex() const
{
    return int(m_channels.indexOf(m_focusedChannel));
}

void GLPlotView::endZoneEdit(int zoneid, GLZone newzone)
{
    const int ch = focusChannelIndex();
    if (ch < 0)
        return;
    m_focusedChannel->setZone(zoneid, newzone);
    Q_EMIT zoneChanged(ch, zoneid, newzone);
}

void GLPlotView::endRangeEdit(int zoneid, GLRange newrange)
{
    const int ch = focusChannelIndex();
    if (ch < 0)
        return;
    m_focusedChannel->setRange(zoneid, newrange);
    Q_EMIT rangeChanged(ch, zoneid, newrange);
}

void GLPlotView::endTSecEdit(GLTSec newrange)
{
    const int ch = focusChannelIndex();
    if (ch < 0)
        return;
    m_focusedChannel->setPointMarker(newrange);
    Q_EMIT tSecChanged(ch, newrange);
}

void GLPlotView::repaintPlot()
{
    m_plotArea->refresh();
    m_xAxis->update();
    m_yAxis->update();
}

int GLPlotView::areaWidth() const
{
    return m_plotArea->width();
}

int GLPlotView::areaHeight() const
{
    return m_plotArea->height();
}
