#pragma once

#include "GLMonitoringValues.h"
#include "GLPlotData.h"
#include "GLPlotHost.h"

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

#include <optional>

class ChannelConfig;
class GLAxisCorner;
class GLPlotArea;
class GLXAxis;
class GLYAxis;
class QAction;
class QActionGroup;
class QGridLayout;
class QLabel;
class QScrollBar;
class QSlider;
class QToolBar;

// The complete waveform plot: a toolbar, the plot area with its tools, both axes,
// scroll bars and zoom sliders, a header line with period, sampling rate, reference and
// mold name, and the unit of the focused channel. Used by the main window's live monitor
// (LiveMode), the channel settings page (ChannelSettingsMode) and the data viewer
// (DataViewerMode).
//
// How the main window drives the live plot (all on the GUI thread):
//  - once: setChannelCount(40), setupToolbar(...), setMode(LiveMode);
//  - applying a configuration: setObservationPeriod(period s x 1000),
//    setSamplingInterval(ms), then applyChannelConfig(ch, channelConfig) for every
//    channel (enabled flag, zones 0..2 = zone1, zone2, eject zone, time range 0 = peak
//    time, data type = unit code, name = display title, monitoring waveform switch,
//    point marker), then the display settings below, then setPressureFullScale(range);
//  - display settings: setOverwriteMaximum, setClearOverwriteOnMaximum,
//    setOverwriteOpacity, setGridOpacity, setReferenceWaveformOpacity, setRangeOpacity,
//    and per channel setChannelColor / setChannelVisible;
//  - a shot: startNewShot() at its start, then appendSamples(ch, samples so far) for
//    every channel at each refresh (every 100 ms of shot time) and at its end;
//  - maintenance mode, a new configuration: clearHistory() (the overwrite history reset);
//  - a reference file: setReferenceWaveforms(waveforms, interval, fileName);
//  - the mold settings in use: setMoldName(settings name) (the header adds ".xml");
//  - the channel picked in the details view: setFocusChannel(ch);
//  - the operator's edits come back as zoneChanged / rangeChanged / tSecChanged with
//    the channel index; the channel already shows the new value.
// Channel numbers are 0-based; calls with a channel out of range are ignored and getters
// then answer 0 or nothing.
class GLPlotView : public QWidget, public GLPlotHost
{
    Q_OBJECT

public:
    // Toolbar item ids for setupToolbar.
    enum ToolbarItem
    {
        HandItem = 1,
        SingleZoomItem = 2,
        AllZoomItem = 3,
        CursorItem = 4,
        IntegralCursorItem = 5,
        ZoneEditItem = 6,
        PointEditItem = 7,
        RangeEditItem = 8,
        FullScaleItem = 9,
        FitXItem = 10,
        FitFocusedYItem = 11,
        FitAllYItem = 12,
        ShowOverwriteItem = 13,
        ShowZoneItem = 14,
        ShowPointItem = 15,
        ShowReferenceItem = 16,
        ShowWaveformItem = 17,
        WaveformEditItem = 18,
        SeparatorItem = 99
    };

    explicit GLPlotView(QWidget* parent = nullptr);
    ~GLPlotView() override;

    // --- channels ---
    // Appends n channels (nothing for n < 1).
    void setChannelCount(int n);
    // Deletes every channel, for a view that is set up anew.
    void removeAllChannels();
    int channelCount() const { return int(m_channels.size()); }
    GLPlotData* channel(int ch) const;

    void setDataType(int ch, int code);
    virtual void setFullScale(int ch, float fullScale);
    virtual void setYRange(int ch, float a, float b);
    void setChannelColor(int ch, const QColor& color);
    void setChannelVisible(int ch, bool visible);
    void setChannelEnabled(int ch, bool enabled);
    void setChannelName(int ch, const QString& name);
    void setZone(int ch, int index, const GLZone& value);
    void setRange(int ch, int index, const GLRange& value);
    std::optional<GLRange> range(int ch, int index) const;
    void setPointMarker(int ch, const GLTSec& marker);
    void setMonitoringWaveformOn(int ch, bool on);
    // The configuration hand-off of one channel (see the class comment).
    void applyChannelConfig(int ch, const ChannelConfig& config);
    double valueFactor(int ch) const;
    // Samples of the shot in progress from its sample `from` on (see
    // GLPlotData::appendSamples); repaints.
    void appendSamples(int ch, const GLWaveform& samples, qsizetype from = 0);
    // How many samples of the shot in progress the channel holds, so that a refresh hands
    // over only the new ones; -1 when it takes none (no such channel, or switched off).
    qsizetype shotSampleCount(int ch) const;

    // Data viewer statistics of a channel.
    void setAverageSmoothing(int ch, int level);
    int averageSmoothing(int ch) const;
    void setUpperLimitParameters(int ch, float sigma, int smoothing, float minimumOffset,
                                 int timeAllowance);
    void setLowerLimitParameters(int ch, float sigma, int smoothing, float minimumOffset,
                                 int timeAllowance);
    float upperSigma(int ch) const;
    float lowerSigma(int ch) const;
    int upperSmoothing(int ch) const;
    int lowerSmoothing(int ch) const;
    float upperMinimumOffset(int ch) const;
    float lowerMinimumOffset(int ch) const;
    int upperTimeAllowance(int ch) const;
    int lowerTimeAllowance(int ch) const;
    void setAverage(int ch, const GLWaveform& waveform);
    void setStandardDeviation(int ch, const GLWaveform& waveform);
    void setUpperLimit(int ch, const GLWaveform& waveform);
    void setLowerLimit(int ch, const GLWaveform& waveform);
    GLWaveform average(int ch) const;
    GLWaveform standardDeviation(int ch) const;
    GLWaveform upperLimit(int ch) const;
    GLWaveform lowerLimit(int ch) const;
    void recalculateAverage(int ch);
    // Lower limit first, then upper.
    void recalculateLimits(int ch);

    // --- the whole view ---
    void startNewShot();
    void clearHistory();
    // One waveform per channel, for the first min(list, channels) channels.
    void setReferenceWaveforms(const QList<GLWaveform>& waveforms, int interval);
    // The same, and the file's name in the header.
    void setReferenceWaveforms(const QList<GLWaveform>& waveforms, int interval,
                               const QString& fileName);
    int observationPeriod() const override { return m_observationPeriod; }
    void setObservationPeriod(int ms);
    int samplingInterval() const { return m_samplingInterval; }
    void setSamplingInterval(int ms);
    // Full scale of every pressure channel (data type 2).
    virtual void setPressureFullScale(float fullScale);
    int overwriteMaximum() const override { return m_overwriteMaximum; }
    void setOverwriteMaximum(int maximum);
    void setClearOverwriteOnMaximum(bool clear);
    void setOverwriteOpacity(float opacity);
    float rangeOpacity() const override { return m_rangeOpacity; }
    void setRangeOpacity(float opacity);
    float referenceWaveformOpacity() const override { return m_referenceWaveformOpacity; }
    void setReferenceWaveformOpacity(float opacity);
    void setGridOpacity(float opacity);
    QColor gridColor() const { return m_gridColor; }

    // Global display toggles.
    bool isLayerToggledOn(GLLayer layer) const override;
    void setShowOverwrite(bool show);
    void setShowReference(bool show);
    void setShowTimeBand(bool show);
    void setShowZones(bool show);
    void setShowPoints(bool show);
    void setShowRanges(bool show);
    void setShowMonitoringWaveform(bool show);

    QString referenceName() const { return m_referenceName; }
    void setReferenceName(const QString& name);
    // Stored with ".xml" appended, as the settings file is named.
    QString moldName() const { return m_moldName; }
    void setMoldName(const QString& name);
    QString headerText() const;

    void setFocusChannel(int ch);
    GLPlotData* focusedChannel() const { return m_focusedChannel; }
    int focusChannelIndex() const;

    // Data viewer: recorded files shared by all channels.
    void setDataFileCount(int n);
    bool isDataFileVisible(int file) const override;
    void setDataFileVisible(int file, bool visible);
    // Value i goes to channel i.
    void appendDataFileRow(int file, const QList<float>& row);
    void clearDataFiles();

    // Items by ToolbarItem id, in the given order; unknown ids are skipped.
    virtual void setupToolbar(const QList<int>& items);
    QToolBar* toolBar() const { return m_toolBar; }
    int mode() const override { return m_mode; }
    void setMode(int mode);
    // Read-outs from the current waveform (0) or the reference (1).
    int readOutSource() const { return m_readOutSource; }
    void setReadOutSource(int source) { m_readOutSource = source; }

    // --- time window and coordinates ---
    double xStart() const override { return m_xStart; }
    double xEnd() const override { return m_xEnd; }
    int xGridStep() const { return m_xGridStep; }
    void setXRange(double a, double b);
    int areaWidth() const override;
    int areaHeight() const override;
    virtual float focusedFullScale() const;
    virtual float focusedYMin() const;
    virtual float focusedYMax() const;
    virtual float focusedYGridStep() const;
    virtual double timeToPixel(double timeMs) const;
    // Clamped to [0, observation period].
    virtual double pixelToTime(double px) const;
    virtual double valueToPixel(double value) const;
    virtual double pixelToValue(double py) const;
    double pixelsToTime(double pixels) const;
    double msPerPixel() const;

    GLPlotArea* plotArea() const { return m_plotArea; }
    GLXAxis* xAxis() const { return m_xAxis; }
    GLYAxis* yAxis() const { return m_yAxis; }
    QScrollBar* horizontalScrollBar() const { return m_horizontalScrollBar; }
    QScrollBar* verticalScrollBar() const { return m_verticalScrollBar; }
    QSlider* xScaleSlider() const { return m_xScaleSlider; }
    QSlider* yScaleSlider() const { return m_yScaleSlider; }
    QLabel* headerLabel() const { return m_headerLabel; }
    QLabel* unitLabel() const { return m_unitLabel; }

Q_SIGNALS:
    void zoneChanged(int chid, int zoneid, GLZone newzone);
    void rangeChanged(int chid, int rangeid, GLRange newrange);
    void tSecChanged(int chid, GLTSec newrange);

public Q_SLOTS:
    virtual void scrollHorizontal(int value);
    virtual void scrollVertical(int value);
    virtual void scaleChangedX(int value);
    virtual void scaleChangedY(int value);
    virtual void scrolledByHandTool(QPoint delta);
    virtual void zoomedBySingleMagnifier(QRect zoomRect);
    virtual void zoomedByMultiMagnifier(QRect zoomRect);
    virtual void endZoneEdit(int zoneid, GLZone newzone);
    virtual void endRangeEdit(int zoneid, GLRange newrange);
    virtual void endTSecEdit(GLTSec newrange);
    virtual void fitFullScale();
    virtual void fitX();
    virtual void fitFocusedChannelY();
    virtual void fitY(quint8 channel);
    virtual void fitAllY();
    virtual void changeTool(QAction* act);
    virtual void changeDisplay(bool checked);

protected:
    virtual void updateHorizontalScrollBarRange();
    virtual void updateVerticalScrollBarRange();
    virtual void synchroniseYControls();
    virtual void updateXGridStep();
    virtual void clampXRange();
    virtual void zoomX(int factor, double centre);
    virtual void zoomYAround(GLPlotData* channel, int factor, double centre);
    virtual void zoomYFromBottom(GLPlotData* channel, int factor);
    virtual int xLevelOf(double factor, int direction) const;
    virtual int yLevelOf(double factor, int direction) const;
    virtual void buildXAxisRow(QGridLayout* layout);
    virtual void buildYAxisColumn(QGridLayout* layout);
    virtual void updateHeader();

private:
    void buildLayout();
    void connectArea();
    void addToolbarItem(int item);
    void repaintPlot();
    // For every caller but the y slider itself: the slider follows without zooming.
    void synchroniseYControlsQuietly();
    void zoomByRectangle(const QRect& rect, bool allChannels);
    void zoomChannelToValues(GLPlotData* channel, double y1, double y2);

    int m_observationPeriod = 0;
    double m_xStart = 0.0;
    double m_xEnd = 0.0;
    int m_xGridStep = 10;
    int m_mode = LiveMode;
    int m_periodSeconds = -1;
    int m_samplingInterval = -1;
    QString m_referenceName;
    QString m_moldName;
    bool m_showOverwrite = true;
    int m_overwriteMaximum = 5;
    bool m_showReference = true;
    bool m_showTimeBand = false;
    bool m_showZones = true;
    bool m_showPoints = true;
    bool m_showRanges = true;
    float m_rangeOpacity = 0.2f;
    bool m_showMonitoringWaveform = true;
    float m_referenceWaveformOpacity = 0.5f;
    QList<bool> m_dataFileVisible;
    QList<GLPlotData*> m_channels;
    GLPlotData* m_focusedChannel = nullptr;
    int m_readOutSource = 0;

    GLPlotArea* m_plotArea = nullptr;
    GLXAxis* m_xAxis = nullptr;
    GLYAxis* m_yAxis = nullptr;
    GLAxisCorner* m_axisCorner = nullptr;
    QScrollBar* m_horizontalScrollBar = nullptr;
    QScrollBar* m_verticalScrollBar = nullptr;
    QSlider* m_xScaleSlider = nullptr;
    QSlider* m_yScaleSlider = nullptr;
    QLabel* m_unitLabel = nullptr;
    QLabel* m_headerLabel = nullptr;
    QColor m_gridColor = QColor::fromRgbF(0.5f, 0.5f, 0.5f, 0.5f);
    QToolBar* m_toolBar = nullptr;
    QActionGroup* m_toolActions = nullptr;
};
