#pragma once

#include "GLPlotHost.h"

#include <QList>

// A view as a channel sees it, with every value set by the test.
struct FakePlotHost : GLPlotHost
{
    int mode() const override { return plotMode; }
    double xStart() const override { return start; }
    double xEnd() const override { return end; }
    int observationPeriod() const override { return period; }
    int areaWidth() const override { return width; }
    int areaHeight() const override { return height; }
    int overwriteMaximum() const override { return maximum; }
    bool isLayerToggledOn(GLLayer layer) const override { return !hiddenLayers.contains(layer); }
    float rangeOpacity() const override { return 0.2f; }
    float referenceWaveformOpacity() const override { return 0.5f; }
    bool isDataFileVisible(int file) const override
    {
        return file >= 0 && file < visibleFiles.size() && visibleFiles.at(file);
    }

    int plotMode = LiveMode;
    double start = 0.0;
    double end = 10000.0;
    int period = 10000;
    int width = 1000;
    int height = 400;
    int maximum = 5;
    QList<GLLayer> hiddenLayers;
    QList<bool> visibleFiles;
};
