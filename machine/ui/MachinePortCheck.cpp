#include "MachinePortCheck.h"

#include "SerialPacket.h"
#include "UserPrompt.h"

#include <QCoreApplication>

bool MachinePortCheck::openAtStartup(SerialPacket& link, QWidget* parent)
{
    if (link.openPort())
        return true;
    UserPrompt::warning(
        parent, QCoreApplication::translate("MachinePortCheck", "USB Port Open Error"),
        QCoreApplication::translate("MachinePortCheck",
                                    "Can not open the file.\nPlease check the connection."));
    return false;
}
