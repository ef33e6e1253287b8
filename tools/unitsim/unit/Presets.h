#pragma once

#include <QString>
#include <QStringList>

class SystemConfig;

// Built-in unit configurations, so that the simulator runs without a mold settings file:
//   "pressure8"  one 8-channel pressure module (the default)
//   "mixed"      an 8-channel pressure module with a 4-channel pressure, temperature and
//                charge/voltage module each
//   "channels40" five 8-channel pressure modules at 1 ms: the unit's top data rate
namespace Presets {

QString defaultName();
QStringList names();
// One line for --help; empty for an unknown name.
QString description(const QString& name);
// False for an unknown name.
bool make(const QString& name, SystemConfig* config);

} // namespace Presets
