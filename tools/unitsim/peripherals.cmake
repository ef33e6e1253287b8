# The molding machine on a pseudo-terminal and the unit's FTP server.
list(APPEND UNITSIM_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/PseudoTerminal.h ${CMAKE_CURRENT_LIST_DIR}/PseudoTerminal.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MachineTable.h ${CMAKE_CURRENT_LIST_DIR}/MachineTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MachineRequestReader.h ${CMAKE_CURRENT_LIST_DIR}/MachineRequestReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MachineStandIn.h ${CMAKE_CURRENT_LIST_DIR}/MachineStandIn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FtpStandIn.h ${CMAKE_CURRENT_LIST_DIR}/FtpStandIn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FtpSession.h ${CMAKE_CURRENT_LIST_DIR}/FtpSession.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PeripheralCommandLine.h ${CMAKE_CURRENT_LIST_DIR}/PeripheralCommandLine.cpp
)
list(APPEND UNITSIM_LIBS Qt6::Core5Compat)
