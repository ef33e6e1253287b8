#pragma once

#include <QCoreApplication>

class GLPlotView;
class QWidget;

// Asks where to save a plot (PNG or PDF) and saves it as shown; tells the operator when
// the file could not be written. Used by the main window and the data viewer.
class PlotExportPrompt
{
    Q_DECLARE_TR_FUNCTIONS(PlotExportPrompt)

public:
    static bool exportPlot(QWidget* parent, GLPlotView& view);
};
