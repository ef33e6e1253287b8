#include "SettingsStore.h"

namespace SettingsStore {

std::unique_ptr<QSettings> open()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QLatin1String(Organisation), QLatin1String(Application));
}

QHostAddress unitAddress()
{
    const auto settings = open();
    return QHostAddress(settings->value(QStringLiteral("deviceIPAddress"), 0U).toUInt());
}

} // namespace SettingsStore
