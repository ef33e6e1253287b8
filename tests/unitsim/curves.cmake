cvo_add_test(tst_unitsim_curves SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_unitsim_curves.cpp LIBS cvo_unitsim)
