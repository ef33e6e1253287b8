#include "MachinePortCheck.h"

#include "SerialPacket.h"
#include "UserPrompt.h"

#include <QCoreApplication>

bool MachinePortCheck::openAtStartup(SerialPacket& link, QWidget* parent)
{
    if (link.openPort())
        return true;
    UserPrompt::warning(parent, QCoreApplication::translate("MainWindow", "USB Port Open Error"),
                        QCoreApplication::translate(
                            "MainWindow", "Can not open the file.\nPlease check the connection."));
    return false;
}
