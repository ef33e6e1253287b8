#pragma once

#include <QHostAddress>
#include <QSettings>

#include <memory>

// The per-user application settings store. Every reader opens its own short-lived
// instance: there is no cached copy, so a value written elsewhere is seen at once.
namespace SettingsStore {

inline const char* const Organisation = "Norvane";
inline const char* const Application = "CVO_Manager";

std::unique_ptr<QSettings> open();

// The unit's IPv4 address, stored as an unsigned 32-bit number; 0.0.0.0 when absent.
QHostAddress unitAddress();

} // namespace SettingsStore
