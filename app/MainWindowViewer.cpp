// The DATA VIEWER button: the data viewer window and what it hands to the live plot; the
// live plot's export.
#include "MainWindow.h"

#include "DataViewerWindow.h"
#include "GLPlotArea.h"
#include "GLPlotView.h"
#include "PlotExportPrompt.h"
#include "ui_MainWindow.h"

void MainWindow::on_viewerButton_clicked()
{
    if (!m_dataViewerWindow)
        m_dataViewerWindow = new DataViewerWindow(this);
    m_dataViewerWindow->setUnitOnline(m_unitOnline);
    if (runWithPacketsSuspended(m_dataViewerWindow) != QDialog::Accepted)
        return;
    // The average becomes the reference, the limits the monitoring waveform band. The
    // point marker stays the configuration's: the viewer has none to give.
    const GLPlotView* viewer = m_dataViewerWindow->plotView();
    GLPlotView* live = m_ui->plotView;
    const int interval = m_dataViewerWindow->layout().interval;
    const int channels = std::min(viewer->channelCount(), live->channelCount());
    for (int c = 0; c < channels; ++c) {
        live->channel(c)->setReferenceWaveform(viewer->average(c), interval);
        live->setUpperLimit(c, viewer->upperLimit(c));
        live->setLowerLimit(c, viewer->lowerLimit(c));
    }
    live->plotArea()->refresh();
}

void MainWindow::on_actionExportPlot_triggered()
{
    PlotExportPrompt::exportPlot(this, *m_ui->plotView);
}
