#include "StartupSwitches.h"

bool StartupSwitches::s_noConnect = false;
bool StartupSwitches::s_debugButtons = false;

void StartupSwitches::read(const QStringList& arguments)
{
    s_noConnect = arguments.contains(QStringLiteral("-n"));
    s_debugButtons = arguments.contains(QStringLiteral("-d"));
}

bool StartupSwitches::noConnect()
{
    return s_noConnect;
}

bool StartupSwitches::debugButtons()
{
    return s_debugButtons;
}
