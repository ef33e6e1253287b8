#include "SystemConfigReader.h"

#include "ControlPort.h"
#include "ModuleConfigBase.h"
#include "SystemConfig.h"

#include <QDebug>
#include <QProgressDialog>

namespace {

// Offset of the module count in a SystemConfigData payload: access byte, four bytes,
// flags and the 16-byte name come first.
constexpr int ModuleCountOffset = 1 + 4 + 2 + 16;

int listedModuleCount(const QByteArray& payload)
{
    return payload.size() > ModuleCountOffset ? quint8(payload.at(ModuleCountOffset)) : 0;
}

} // namespace

SystemConfigReader::SystemConfigReader(QWidget* dialogParent, QObject* parent)
    : QObject(parent), m_dialogParent(dialogParent)
{
}

SystemConfigReader::~SystemConfigReader() = default;

bool SystemConfigReader::read()
{
    QProgressDialog progress(tr("Reading Configuration from BU"), tr("Cancel"), 0, MaxModules,
                             m_dialogParent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);

    bool ok = false;
    {
        ControlPort port;
        if (port.open() == 0) {
            progress.setValue(0);
            m_config.reset();
            ok = readModules(port, progress);
        }
    }
    progress.setValue(progress.maximum());
    return ok;
}

bool SystemConfigReader::readModules(ControlPort& port, QProgressDialog& progress)
{
    if (port.readSystemConfig() != ControlSuccess)
        return false;
    progress.setValue(1);
    const QByteArray& payload = port.packet()->systemConfigPayload();
    m_config = std::make_unique<SystemConfig>(SystemConfig::fromUnitPayload(payload));

    const int modules = m_config->moduleCount();
    // A unit listing more modules than it can hold is not one whose configuration we
    // can mirror: its shot data would not match the modules kept.
    if (modules == 0 || modules > MaxModules || listedModuleCount(payload) > MaxModules) {
        qDebug() << "Unusable module list from the unit:" << listedModuleCount(payload) << "listed,"
                 << modules << "known";
        return false;
    }
    progress.setMaximum(modules + 3);
    for (int i = 0; i < modules; ++i) {
        ModuleConfigBase* module = m_config->module(i);
        if (port.readModuleConfig(module->moduleTypeCode()) != ControlSuccess)
            return false;
        // A reply for another kind of module, or one too short for its layout, is not
        // this module's configuration.
        if (!module->readFromUnit(port.packet()->moduleConfigPayload()))
            return false;
        progress.setValue(i + 2);
    }
    return true;
}
