#include "PlotExport.h"

#include "GLPlotArea.h"
#include "GLPlotView.h"
#include "GLXAxis.h"
#include "GLYAxis.h"
#include "WholeFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>

namespace {

struct LegendEntry
{
    QColor color;
    QString text;
};

QList<LegendEntry> visibleChannels(const GLPlotView& view)
{
    QList<LegendEntry> entries;
    // The data viewer draws its focused channel only.
    const bool focusedOnly = view.mode() == DataViewerMode;
    for (int ch = 0; ch < view.channelCount(); ++ch) {
        const GLPlotData* data = view.channel(ch);
        if (!data || !data->isEnabled() || !data->isVisible() ||
            (focusedOnly && data != view.focusedChannel()))
            continue;
        const QString unit = GLPlotData::unitTextOf(data->dataType());
        QString text = QStringLiteral("%1 %2").arg(ch + 1).arg(data->name()).trimmed();
        if (!unit.isEmpty())
            text += QStringLiteral(" [%1]").arg(unit);
        entries.append({data->color(), text});
    }
    return entries;
}

QRect shownPart(const GLPlotView& view)
{
    QRect part;
    for (const QWidget* w :
         {static_cast<const QWidget*>(view.headerLabel()),
          static_cast<const QWidget*>(view.plotArea()), static_cast<const QWidget*>(view.xAxis()),
          static_cast<const QWidget*>(view.yAxis())}) {
        if (w && w->isVisible())
            part |= QRect(w->mapTo(&view, QPoint(0, 0)), w->size());
    }
    return part;
}

} // namespace

int PlotExport::legendRows(int channels, int width)
{
    const int columns = std::max(1, width / LegendColumnWidth);
    return (channels + columns - 1) / columns;
}

QImage PlotExport::render(GLPlotView& view)
{
    const QImage plot = view.grab(shownPart(view)).toImage();
    const QList<LegendEntry> legend = visibleChannels(view);
    const int rows = legendRows(int(legend.size()), plot.width());
    QImage image(plot.width(), plot.height() + rows * LegendRowHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawImage(0, 0, plot);
    const int columns = std::max(1, plot.width() / LegendColumnWidth);
    for (int i = 0; i < legend.size(); ++i) {
        const QPoint origin((i % columns) * LegendColumnWidth,
                            plot.height() + (i / columns) * LegendRowHeight);
        painter.fillRect(QRect(origin + QPoint(6, 5), QSize(20, LegendRowHeight - 10)),
                         legend.at(i).color);
        painter.setPen(Qt::black);
        painter.drawText(
            QRect(origin + QPoint(32, 0), QSize(LegendColumnWidth - 34, LegendRowHeight)),
            Qt::AlignVCenter | Qt::AlignLeft, legend.at(i).text);
    }
    return image;
}

bool PlotExport::save(GLPlotView& view, const QString& path, QString* error)
{
    const QImage image = render(view);
    const bool pdf =
        QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
    // Drawn in memory and written in one piece: a full disk then fails the export instead
    // of leaving a cut-off file in place of an earlier one.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    bool ok = buffer.open(QIODevice::WriteOnly);
    if (ok && pdf) {
        QPdfWriter writer(&buffer);
        writer.setResolution(96);
        writer.setPageSize(QPageSize(image.size() * 72 / 96, QPageSize::Point));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        ok = painter.begin(&writer);
        if (ok) {
            painter.drawImage(QRect(QPoint(0, 0), image.size()), image);
            ok = painter.end();
        }
    } else if (ok) {
        ok = image.save(&buffer, "PNG");
    }
    ok = ok && WholeFile::write(path, bytes);
    if (!ok && error)
        *error =
            QCoreApplication::translate("PlotExport", "The plot could not be written to \"%1\".")
                .arg(path);
    return ok;
}
