// The data viewer's exports: the plot as shown, and the files and channels on show as
// one CSV file.
#include "DataViewerWindow.h"

#include "GLPlotView.h"
#include "PlotExportPrompt.h"
#include "UserPrompt.h"
#include "WaveformCsv.h"

#include <QDir>
#include <QFileInfo>

void DataViewerWindow::on_exportPlotButton_clicked(bool)
{
    PlotExportPrompt::exportPlot(this, *plotView());
}

void DataViewerWindow::on_exportCsvButton_clicked(bool)
{
    if (m_paths.isEmpty() || !anyFileVisible()) {
        UserPrompt::information(this, tr("Export CSV"), tr("No data file is shown."));
        return;
    }
    QString path = UserPrompt::getSaveFileName(this, tr("Export CSV"), QDir::homePath(),
                                               tr("CSV file (*.csv)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    saveText(path, selectedWaveformsCsv());
}

// Files in the order opened, each with its channels in order: what the plot shows.
QByteArray DataViewerWindow::selectedWaveformsCsv() const
{
    const GLPlotView* plot = plotView();
    QList<WaveformCsv::Column> columns;
    for (int f = 0; f < m_paths.size(); ++f) {
        if (!plot->isDataFileVisible(f))
            continue;
        const QString file = QFileInfo(m_paths.at(f)).completeBaseName();
        for (int c = 0; c < plot->channelCount(); ++c) {
            const GLPlotData* channel = plot->channel(c);
            if (!channel->isEnabled() || !channel->isVisible() || f >= channel->dataFiles().size())
                continue;
            columns.append({QStringLiteral("%1 CH%2 %3").arg(file).arg(c + 1).arg(channel->name()),
                            channel->dataFiles().at(f)});
        }
    }
    return WaveformCsv::write(columns, m_layout.interval);
}
