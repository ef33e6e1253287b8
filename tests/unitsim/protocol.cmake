# The simulated unit's control and data ports, fault switches and command line.
foreach(name control stream faults cli)
  cvo_add_test(tst_unitsim_${name}
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_unitsim_${name}.cpp
            ${CMAKE_CURRENT_LIST_DIR}/SimulatorTestSupport.h
    LIBS cvo_unitsim cvo_link)
endforeach()
# The reader of the whole configuration shows a progress dialog.
target_link_libraries(tst_unitsim_control PRIVATE cvo_link_ui)
# The program itself runs as a child process.
add_dependencies(tst_unitsim_cli cvo-unitsim)
target_compile_definitions(tst_unitsim_cli PRIVATE
  CVO_UNITSIM_PATH="$<TARGET_FILE:cvo-unitsim>")
