#pragma once

#include <QImage>
#include <QString>

class GLPlotView;

// A plot as the operator sees it, to a file: the header line, both axes and the plot
// area over the visible range, with a legend of the visible channels beneath. PNG or PDF
// by the file's suffix.
class PlotExport
{
public:
    static constexpr int LegendRowHeight = 20;
    static constexpr int LegendColumnWidth = 180;

    // The picture that save() writes.
    static QImage render(GLPlotView& view);
    // False with the reason in `error` when the file could not be written.
    static bool save(GLPlotView& view, const QString& path, QString* error = nullptr);
    // The rows the legend takes for `channels` entries in a picture `width` wide.
    static int legendRows(int channels, int width);
};
