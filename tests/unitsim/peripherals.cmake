# The molding machine stand-in on its pseudo-terminal and the FTP stand-in.
find_package(CURL REQUIRED)
cvo_add_test(tst_machinestandin
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_machinestandin.cpp
  LIBS cvo_unitsim Qt6::SerialPort)
cvo_add_test(tst_machinetable
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_machinetable.cpp
  LIBS cvo_unitsim)
cvo_add_test(tst_ftpstandin
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_ftpstandin.cpp
  LIBS cvo_unitsim CURL::libcurl)
