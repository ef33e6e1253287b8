# The unit's protocol side: control and data port servers, unit state, shot stream,
# fault switches, presets and the command line of cvo-unitsim.
list(APPEND UNITSIM_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/CommandHandler.h ${CMAKE_CURRENT_LIST_DIR}/CommandHandler.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ControlServer.h ${CMAKE_CURRENT_LIST_DIR}/ControlServer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DataServer.h ${CMAKE_CURRENT_LIST_DIR}/DataServer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FaultSwitches.h
  ${CMAKE_CURRENT_LIST_DIR}/FirmwareIdentity.h ${CMAKE_CURRENT_LIST_DIR}/FirmwareIdentity.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameLog.h ${CMAKE_CURRENT_LIST_DIR}/FrameLog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Presets.h ${CMAKE_CURRENT_LIST_DIR}/Presets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RequestReader.h ${CMAKE_CURRENT_LIST_DIR}/RequestReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ShotFrames.h ${CMAKE_CURRENT_LIST_DIR}/ShotFrames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ShotStreamer.h ${CMAKE_CURRENT_LIST_DIR}/ShotStreamer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SimulatorCommandLine.h ${CMAKE_CURRENT_LIST_DIR}/SimulatorCommandLine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SimulatorOptions.h ${CMAKE_CURRENT_LIST_DIR}/SimulatorOptions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SimulatorStatistics.h
  ${CMAKE_CURRENT_LIST_DIR}/SimulatorThread.h ${CMAKE_CURRENT_LIST_DIR}/SimulatorThread.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UnitConfigCodec.h ${CMAKE_CURRENT_LIST_DIR}/UnitConfigCodec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UnitFrame.h ${CMAKE_CURRENT_LIST_DIR}/UnitFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UnitSimulator.h ${CMAKE_CURRENT_LIST_DIR}/UnitSimulator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UnitState.h ${CMAKE_CURRENT_LIST_DIR}/UnitState.cpp
)
