#pragma once

#include "GLMonitoringValues.h"
#include "GLPlotHost.h"
#include "GLWaveformEditor.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <vector>

class QDataStream;
class PlotCanvas;

using GLWaveform = QList<float>;

// One channel's content of the waveform plot: the waveform of the shot in progress and
// those of earlier shots kept for overwriting, the reference waveform, the monitoring
// items (zones, time ranges, the point marker, the monitoring waveform band) and, in the
// data viewer, the recorded waveforms with their statistics. It owns the channel's
// vertical scale and draws its layers into the projection the plot area sets up.
//
// Waveforms hold one value per sample in the channel's units; the horizontal coordinate
// of every layer is the time in ms, sample index x sampling interval.
class GLPlotData : public QObject
{
    Q_OBJECT

public:
    // Read-outs past the end of a series answer this instead of a value.
    static constexpr float NoValue = 1.1754944e-38f;

    // Visibility of a layer: always, never, or as the view's display toggle says.
    enum Visibility
    {
        AlwaysShown = 0,
        NeverShown = 1,
        FollowsView = 2
    };

    explicit GLPlotData(GLPlotHost* view);
    ~GLPlotData() override;

    GLPlotHost* view() const { return m_view; }

    // --- the channel ---
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }
    QColor color() const { return m_color; }
    void setColor(const QColor& color) { m_color = color; }
    QString name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }

    // --- data type and value range ---
    int dataType() const { return m_dataType; }
    // 1 "C", 2 "MPa", 3 "mV", 5 "Cs", 6 "MPas", 7 "Vs": sets full scale, value factor,
    // the envelopes' minimum offsets and the value range. Code 4 keeps scale and factor.
    void setDataType(int code);
    double valueFactor() const { return m_valueFactor; }
    QString unitText() const { return unitTextOf(m_dataType); }
    static QString unitTextOf(int dataType);

    float fullScale() const { return m_fullScale; }
    void setFullScale(float fullScale);
    float yMin() const { return m_yMin; }
    float yMax() const { return m_yMax; }
    float yGridStep() const { return m_yGridStep; }
    void setYRange(float a, float b);

    // --- shots ---
    // Samples of the shot in progress from its sample `from` on (the whole waveform so far
    // when 0); only samples beyond those already held are taken, held ones are never
    // rewritten, and samples after a gap are dropped.
    void appendSamples(const GLWaveform& samples, qsizetype from = 0);
    // Keeps the current waveform as an earlier shot (within the overwrite maximum) and
    // begins a new, empty one.
    void startNewShot();
    void clearHistory();
    // Element 0 is the shot in progress, then earlier shots, newest first.
    const QList<GLWaveform>& history() const { return m_history; }
    int samplingInterval() const { return m_samplingInterval; }
    void setSamplingInterval(int ms) { m_samplingInterval = ms; }
    // -1: the view's maximum applies.
    int overwriteMaximum() const { return m_overwriteMaximum; }
    void setOverwriteMaximum(int maximum) { m_overwriteMaximum = maximum; }
    int effectiveOverwriteMaximum() const;
    bool clearOverwriteOnMaximum() const { return m_clearOverwriteOnMaximum; }
    void setClearOverwriteOnMaximum(bool clear) { m_clearOverwriteOnMaximum = clear; }
    float overwriteOpacity() const { return m_overwriteOpacity; }
    void setOverwriteOpacity(float opacity) { m_overwriteOpacity = opacity; }

    // --- reference waveform ---
    void setReferenceWaveform(const GLWaveform& waveform, int interval);
    const GLWaveform& referenceWaveform() const { return m_reference; }
    int referenceInterval() const { return m_referenceInterval; }

    // --- layer visibility ---
    int layerVisibility(GLLayer layer) const;
    void setLayerVisibility(GLLayer layer, int visibility);
    bool isLayerShown(GLLayer layer) const;

    // --- monitoring items ---
    float timeBandStart() const { return m_timeBandStart; }
    float timeBandEnd() const { return m_timeBandEnd; }
    void setTimeBand(float startMs, float endMs);

    int zoneCount() const { return int(m_zones.size()); }
    GLZone* zone(int index);
    const GLZone* zone(int index) const;
    // Replaces the zone at index, or appends it when index is past the end.
    void setZone(int index, const GLZone& zone);
    int zoneBeingEdited() const { return m_zoneBeingEdited; }
    void setZoneBeingEdited(int index) { m_zoneBeingEdited = index; }

    int rangeCount() const { return int(m_ranges.size()); }
    GLRange* range(int index);
    const GLRange* range(int index) const;
    void setRange(int index, const GLRange& range);
    int rangeBeingEdited() const { return m_rangeBeingEdited; }
    void setRangeBeingEdited(int index) { m_rangeBeingEdited = index; }

    // The marker's editState is the point tool's drag mode.
    GLTSec& pointMarker() { return m_pointMarker; }
    const GLTSec& pointMarker() const { return m_pointMarker; }
    // Takes enabled, time and band; ends any drag.
    void setPointMarker(const GLTSec& marker);

    bool isMonitoringWaveformOn() const { return m_monitoringWaveformOn; }
    void setMonitoringWaveformOn(bool on) { m_monitoringWaveformOn = on; }
    GLWaveformEditor& waveformEditor() { return m_waveformEditor; }
    const GLWaveformEditor& waveformEditor() const { return m_waveformEditor; }

    // --- data viewer storage ---
    // Drops every recorded waveform and makes n empty ones.
    void setDataFileCount(int n);
    int dataFileCount() const { return int(m_dataFiles.size()); }
    void appendDataFileSample(int file, float value);
    // A whole recorded waveform at once (ignored for a file index out of range).
    void setDataFile(int file, const GLWaveform& waveform);
    const QList<GLWaveform>& dataFiles() const { return m_dataFiles; }

    int averageSmoothing() const { return m_averageSmoothing; }
    void setAverageSmoothing(int level) { m_averageSmoothing = level; }
    float upperSigma() const { return m_upperSigma; }
    void setUpperSigma(float sigma) { m_upperSigma = sigma; }
    // The lower parameters are stored negated and handed back as the user gave them.
    float lowerSigma() const { return -m_lowerSigma; }
    void setLowerSigma(float sigma) { m_lowerSigma = -sigma; }
    int upperSmoothing() const { return m_upperSmoothing; }
    void setUpperSmoothing(int level) { m_upperSmoothing = level; }
    int lowerSmoothing() const { return m_lowerSmoothing; }
    void setLowerSmoothing(int level) { m_lowerSmoothing = level; }
    float upperMinimumOffset() const { return m_upperMinimumOffset; }
    void setUpperMinimumOffset(float offset) { m_upperMinimumOffset = offset; }
    float lowerMinimumOffset() const { return -m_lowerMinimumOffset; }
    void setLowerMinimumOffset(float offset) { m_lowerMinimumOffset = -offset; }
    int upperTimeAllowance() const { return m_upperTimeAllowance; }
    void setUpperTimeAllowance(int samples) { m_upperTimeAllowance = samples; }
    int lowerTimeAllowance() const { return m_lowerTimeAllowance; }
    void setLowerTimeAllowance(int samples) { m_lowerTimeAllowance = samples; }

    const GLWaveform& average() const { return m_average; }
    void setAverage(const GLWaveform& waveform)
    {
        m_average = waveform;
        touch();
    }
    const GLWaveform& standardDeviation() const { return m_standardDeviation; }
    void setStandardDeviation(const GLWaveform& waveform)
    {
        m_standardDeviation = waveform;
        touch();
    }
    const GLWaveform& upperLimit() const { return m_upperLimit; }
    void setUpperLimit(const GLWaveform& waveform)
    {
        m_upperLimit = waveform;
        touch();
    }
    const GLWaveform& lowerLimit() const { return m_lowerLimit; }
    void setLowerLimit(const GLWaveform& waveform)
    {
        m_lowerLimit = waveform;
        touch();
    }

    // Over the data files the view shows; the limits use the stored parameters.
    void recalculateAverage();
    void recalculateUpperLimit();
    void recalculateLowerLimit();
    // Lower first, then upper.
    void recalculateLimits();

    // --- read-outs ---
    float valueAt(int index) const;
    float referenceValueAt(int index) const;
    float integralAt(int index) const;
    float referenceIntegralAt(int index) const;
    // "name : value[unit]" at time x (ms) of the current (mode 0) or reference (mode 1)
    // waveform; empty past the end of the series or for a hidden channel.
    QString valueText(int mode, double x) const;
    QString integralText(int mode, double x) const;

    // --- fitting the value range ---
    void fitToWaveforms();
    void fitToReference();
    void fitToDataFiles();
    void resetYToFullScale();

    // --- pixel mapping for the tools (area pixels, y down) ---
    // Time under a pixel column, clamped to the observation period.
    double timeAtPixel(double px) const;
    double timeWidth(double pixels) const;
    // Value under a pixel row; negative values read as 0.
    float valueAtPixel(double py) const;
    float valueHeight(double pixels) const;

    // Draws every layer; the plot area calls it once per repaint.
    void draw(PlotCanvas& canvas) const;

    // For a plot that keeps what does not change during a shot: every layer but the
    // current waveform, and the current waveform from the pixel column holding sample
    // `from` on (0: all of it). Drawing only reads the channel: a plot may draw parts of
    // its surface on several threads at once.
    void drawBackgroundLayers(PlotCanvas& canvas) const;
    void drawCurrentWaveformFrom(PlotCanvas& canvas, qsizetype from) const;
    qsizetype currentLength() const { return m_history.isEmpty() ? 0 : m_history.first().size(); }
    // Everything draw() depends on apart from the growing current waveform. Two equal
    // states draw the same background.
    void writeDrawState(QDataStream& stream) const;

protected:
    virtual void updateYGridStep();
    virtual void drawSeries(PlotCanvas& canvas, const GLWaveform& series, int interval,
                            const QColor& color, float alpha, qsizetype from = 0) const;
    virtual void drawZones(PlotCanvas& canvas) const;
    virtual void drawOverwrite(PlotCanvas& canvas) const;
    virtual void drawCurrentWaveform(PlotCanvas& canvas) const;
    virtual void drawReferenceWaveform(PlotCanvas& canvas) const;
    virtual void drawTimeBand(PlotCanvas& canvas) const;
    virtual void drawDataFiles(PlotCanvas& canvas) const;
    virtual void drawAverage(PlotCanvas& canvas) const;
    virtual void drawUpperLimit(PlotCanvas& canvas) const;
    virtual void drawLowerLimit(PlotCanvas& canvas) const;
    virtual void drawMonitoringBand(PlotCanvas& canvas) const;
    virtual void drawTimeRanges(PlotCanvas& canvas) const;
    virtual void drawPointMarker(PlotCanvas& canvas) const;

private:
    // Sets projection and blending; false when the channel draws nothing.
    bool beginDraw(PlotCanvas& canvas) const;
    void drawLayersBelowCurrent(PlotCanvas& canvas) const;
    void drawLayersAboveCurrent(PlotCanvas& canvas) const;
    void touch() { ++m_contentRevision; }
    void normaliseYRange();
    void fitTo(float low, float high, float margin);

    GLPlotHost* m_view = nullptr;
    // Counts changes of the waveforms draw() shows, apart from the current one growing.
    quint64 m_contentRevision = 0;

    bool m_enabled = true;
    int m_dataType = 0;
    double m_valueFactor = 0.1;
    QList<GLWaveform> m_history;
    GLWaveform m_reference;
    int m_referenceInterval = 1;
    QList<GLWaveform> m_dataFiles;
    GLWaveform m_average;
    GLWaveform m_standardDeviation;
    GLWaveform m_upperLimit;
    GLWaveform m_lowerLimit;
    int m_averageSmoothing = 10;
    float m_upperSigma = 1.0f;
    float m_lowerSigma = -1.0f;
    int m_upperSmoothing = 10;
    int m_lowerSmoothing = 10;
    float m_upperMinimumOffset = 0.0f;
    float m_lowerMinimumOffset = 0.0f;
    int m_upperTimeAllowance = 20;
    int m_lowerTimeAllowance = 20;
    bool m_monitoringWaveformOn = false;
    int m_samplingInterval = 1;
    int m_overwriteMaximum = -1;
    bool m_clearOverwriteOnMaximum = true;
    float m_overwriteOpacity = 0.5f;
    float m_timeBandStart = 1000.0f;
    float m_timeBandEnd = 2000.0f;
    QList<GLZone> m_zones;
    int m_zoneBeingEdited = -1;
    QList<GLRange> m_ranges;
    int m_rangeBeingEdited = -1;
    GLWaveformEditor m_waveformEditor;
    GLTSec m_pointMarker{0, 0.0, 200.0, false};
    std::array<int, 7> m_layerVisibility{};
    QColor m_color;
    bool m_visible = true;
    float m_fullScale = 200.0f;
    float m_yMax = 200.0f;
    float m_yMin = 0.0f;
    float m_yGridStep = 20.0f;
    QString m_name;
};
