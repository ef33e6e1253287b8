#pragma once

#include "WireFormat.h"

#include <QByteArray>
#include <QString>

class ModuleConfigBase;
class SystemConfig;

// The configuration blocks as the unit stores, sends and accepts them, in the channel
// layout of the unit's own firmware (never the manager's process-wide one).
//
// The unit's modules are its hardware: a write may change settings, titles, channels
// and enabled flags, but never which modules exist. A write that names a module the
// unit does not carry, or whose size does not match the layout, is refused and
// changes nothing.
namespace UnitConfigCodec {

// Bytes after the channel records in a ModuleConfigData reply: the module-specific
// block padded to the size of the largest one, which makes every reply exactly as long
// as the manager's length limits expect (442/730 current, 378/602 legacy).
constexpr int ReplySpecificSize = 132;

// SystemConfigData payload: the access byte, the system block and one entry per module.
// Unlike the manager's write, the count byte counts every entry that follows.
QByteArray systemReply(const SystemConfig& config, quint8 access);
// Applies a SystemConfigTransfer write (payload from the access byte on). Refuses an
// unknown sampling interval, a period outside 1..120 s, and a module list that is not
// exactly the unit's modules.
bool applySystemWrite(const QByteArray& payload, SystemConfig& config, QString* why);

// ModuleConfigData payload for one module.
QByteArray moduleReply(const ModuleConfigBase& module, WireFormat::ChannelLayout layout,
                       quint8 access);
// Applies a ModuleConfigTransfer write (payload from the access byte on).
bool applyModuleWrite(const QByteArray& payload, SystemConfig& config,
                      WireFormat::ChannelLayout layout, QString* why);
// The exact size of the manager's write payload for a module of this kind.
int moduleWriteSize(const ModuleConfigBase& module, WireFormat::ChannelLayout layout);

// Passes every module through the unit's own storage format, so that settings the
// layout cannot carry (eject limits and slope in the legacy layout) are dropped as a
// unit of that firmware would drop them.
void normalise(SystemConfig& config, WireFormat::ChannelLayout layout);

// Index of the module with this identifier, or -1.
int moduleIndex(const SystemConfig& config, quint32 identifier);

} // namespace UnitConfigCodec
