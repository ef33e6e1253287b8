// The TRENDS button: the trends window over the daily shot logs, fed with each shot that
// goes into the log while it is open.
#include "MainWindow.h"

#include "ShotData.h"
#include "ShotLogFormat.h"
#include "SystemConfig.h"
#include "TrendsWindow.h"

void MainWindow::on_trendsButton_clicked()
{
    if (!m_trendsWindow) {
        m_trendsWindow = new TrendsWindow(this);
        // The log line's own snapshot, taken before the buffer moves on to a later shot.
        connect(this, &MainWindow::shotLogRequested, m_trendsWindow, [this](ShotData* shot) {
            if (m_trendsWindow->isVisible())
                m_trendsWindow->appendShot(ShotLogFormat::snapshot(*shot));
        });
        connect(this, &MainWindow::configurationApplied, m_trendsWindow,
                [this](const SystemConfig& config) {
                    m_trendsWindow->setLogSource(m_dataFolder, config.name());
                    m_trendsWindow->setSystemConfig(config);
                    // Other settings may file their shots under another name.
                    if (m_trendsWindow->isVisible())
                        m_trendsWindow->reload();
                });
    }
    m_trendsWindow->setLogSource(m_dataFolder, m_systemConfig->name());
    m_trendsWindow->setSystemConfig(*m_systemConfig);
    m_trendsWindow->show();
    m_trendsWindow->raise();
    m_trendsWindow->activateWindow();
    m_trendsWindow->reload();
}
