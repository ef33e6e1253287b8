#pragma once

// The layers of a channel whose visibility can follow one of the view's display toggles.
enum class GLLayer
{
    TimeBand,
    TimeRanges,
    Zones,
    Reference,
    MonitoringBand,
    Overwrite,
    PointMarker
};

// The three places the plot is used.
enum GLPlotMode
{
    LiveMode = 0,            // the main window's monitor
    ChannelSettingsMode = 1, // one channel and its reference waveform
    DataViewerMode = 2       // recorded shots and their statistics
};

// What one channel of the plot needs to know about the view that holds it. The view
// implements it; keeping it this narrow lets a channel be exercised without widgets.
class GLPlotHost
{
public:
    virtual ~GLPlotHost() = default;

    virtual int mode() const = 0;
    // Visible time window and the full span it is clamped to, in ms.
    virtual double xStart() const = 0;
    virtual double xEnd() const = 0;
    virtual int observationPeriod() const = 0;
    // Size of the drawing surface in pixels.
    virtual int areaWidth() const = 0;
    virtual int areaHeight() const = 0;
    // Earlier shots kept for overwriting, for channels without their own maximum.
    virtual int overwriteMaximum() const = 0;
    // The global display toggle that a layer follows.
    virtual bool isLayerToggledOn(GLLayer layer) const = 0;
    virtual float rangeOpacity() const = 0;
    virtual float referenceWaveformOpacity() const = 0;
    // Data viewer: whether the recorded file with this index is shown.
    virtual bool isDataFileVisible(int file) const = 0;
};
