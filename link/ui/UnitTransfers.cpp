#include "UnitTransfers.h"

#include "ControlPort.h"
#include "ModuleConfigBase.h"
#include "SystemConfig.h"
#include "UserPrompt.h"

#include <QCoreApplication>
#include <QDebug>
#include <QProgressDialog>

namespace {

QString mainWindowText(const char* text)
{
    return QCoreApplication::translate("MainWindow", text);
}

bool writeAll(ControlPort& port, const SystemConfig& config, QProgressDialog& progress)
{
    if (port.writeSystemConfig(config) != ControlSuccess)
        return false;
    progress.setValue(1);
    for (int i = 0; i < config.moduleCount(); ++i) {
        if (port.writeModuleConfig(*config.module(i)) != ControlSuccess)
            return false;
        progress.setValue(i + 2);
    }
    return true;
}

} // namespace

bool sendConfigurationToUnit(QWidget* parent, const SystemConfig& config)
{
    const int steps = config.moduleCount() + 2;
    QProgressDialog progress(
        mainWindowText(QT_TRANSLATE_NOOP("MainWindow", "Sending Mold Configuration...")),
        mainWindowText(QT_TRANSLATE_NOOP("MainWindow", "Abort")), 0, steps, parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);

    bool ok = false;
    {
        ControlPort port;
        if (port.open() == 0) {
            progress.setValue(0);
            ok = writeAll(port, config, progress);
        }
    }
    progress.setValue(steps);
    if (!ok)
        reportCommunicationFailure(parent);
    return ok;
}

void reportCommunicationFailure(QWidget* parent)
{
    UserPrompt::critical(
        parent, mainWindowText(QT_TRANSLATE_NOOP("MainWindow", "Communication Failure")),
        mainWindowText(QT_TRANSLATE_NOOP(
            "MainWindow", "Unable to communicate with BU.\nPlease check the connection.")));
}

bool synchronizeUnitClock(QWidget* parent, bool tellUser)
{
    qDebug("BU Clock synchronize");
    bool ok = false;
    {
        ControlPort port;
        ok = port.open() == 0 && port.setClock() == ControlSuccess;
    }
    if (!tellUser)
        return ok;
    if (ok)
        UserPrompt::information(
            parent, mainWindowText(QT_TRANSLATE_NOOP("MainWindow", "BU Clock Sync")),
            mainWindowText(QT_TRANSLATE_NOOP("MainWindow", "BU clock successfully synchronized.")));
    else
        UserPrompt::critical(
            parent, mainWindowText(QT_TRANSLATE_NOOP("MainWindow", "BU Clock Sync")),
            mainWindowText(QT_TRANSLATE_NOOP("MainWindow", "BU clock synchronization failed.")));
    return ok;
}
