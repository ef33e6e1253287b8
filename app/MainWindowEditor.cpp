// The configuration editor as the main window runs it: a copy of the configuration in,
// the accepted copy becomes the configuration in use and goes to the unit.

#include "MainWindow.h"

#include "FileController.h"
#include "MoldConfigWindow.h"
#include "StartupSwitches.h"
#include "SystemConfig.h"
#include "UnitTransfers.h"

#include <QDebug>

void MainWindow::createConfigEditor()
{
    m_moldConfigWindow = new MoldConfigWindow(this);
    // A reference loaded for the live plot is what the operator sets zones against.
    connect(this, &MainWindow::referenceWaveformsLoaded, m_moldConfigWindow,
            &MoldConfigWindow::setReferenceWaveforms);
}

void MainWindow::on_settingsButton_clicked()
{
    m_moldConfigWindow->setConnected(m_unitOnline && !StartupSwitches::noConnect());
    m_moldConfigWindow->setConfiguration(*m_systemConfig, false);
    m_moldConfigWindow->setShotLogFolder(m_dataFolder);
    m_moldConfigWindow->selectSystemItem();
    if (runWithPacketsSuspended(m_moldConfigWindow) == QDialog::Accepted) {
        qDebug() << "Dialog accepted";
        // The editor has already written the mold settings file, so a send that fails
        // part-way loses nothing: the next connection compares the file with the unit.
        *m_systemConfig = m_moldConfigWindow->configuration();
        if (m_unitOnline && !StartupSwitches::noConnect())
            sendConfigurationToUnit(this, *m_systemConfig);
        applyConfigurationToView();
        Q_EMIT overwriteHistoryResetRequested();
        writeLogHeader(FileController::ConfigurationModified);
    }
    checkDiskSpace();
}
