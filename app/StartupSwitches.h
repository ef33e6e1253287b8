#pragma once

#include <QStringList>

// Switches taken from the command line when the main window is built. They hold for
// the whole process: "-n" keeps every part of the application from contacting the unit.
class StartupSwitches
{
public:
    // Replaces the current switches with those found in the arguments.
    static void read(const QStringList& arguments);

    // "-n": start without contacting the unit.
    static bool noConnect();
    // "-d": show the two debug buttons.
    static bool debugButtons();

private:
    static bool s_noConnect;
    static bool s_debugButtons;
};
