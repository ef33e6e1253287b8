// The service functions of the System menu: firmware update and I/O test.

#include "MainWindow.h"

#include "ControlPort.h"
#include "FirmwareUpdateWindow.h"
#include "IOTestDialog.h"
#include "ModuleConfigBase.h"
#include "SystemConfig.h"

#include <QDebug>

namespace {

constexpr quint8 IoTestMode = 2;

} // namespace

void MainWindow::on_actionFirmwareUpdate_triggered()
{
    if (!m_firmwareUpdateWindow)
        m_firmwareUpdateWindow = new FirmwareUpdateWindow(this);
    m_firmwareUpdateWindow->reset();
    runWithPacketsSuspended(m_firmwareUpdateWindow);
}

// The unit drives its outputs itself in monitor mode; only in I/O test mode are they the
// operator's. The action is offered in monitor mode only, so the unit goes back to it.
void MainWindow::on_actionIOTest_triggered()
{
    qDebug("actionIOTest");
    {
        ControlPort port;
        if (port.open() != 0)
            return;
        port.setMode(IoTestMode, 0);
    }
    if (!m_ioTestDialog)
        m_ioTestDialog = new IOTestDialog(this);
    const SystemConfig& config = *m_systemConfig;
    m_ioTestDialog->setModuleTypeCode(
        config.moduleCount() > 0 ? qint32(config.module(0)->moduleTypeCode()) : 0);
    m_ioTestDialog->exec();
    ControlPort port;
    if (port.open() == 0)
        port.setMode(MonitorMode, 0);
}
