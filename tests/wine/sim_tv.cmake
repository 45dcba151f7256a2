# The simulated card: its world and workings in-process, and screen.ex_ as a separate process
# driven by a fake panel. The test program's folder holds QvTV.dll, which both the in-process
# tests load and the installations the tests lay out receive.
tvpanel_wine_test(sim_tv_test
  ${CMAKE_CURRENT_LIST_DIR}/sim_tv_test.cpp
  LIBS sim_tv_core)
target_compile_definitions(sim_tv_test PRIVATE SIM_TV_PROGRAM="$<TARGET_FILE:screen>")
set_target_properties(sim_tv_test PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/sim_tv)
add_dependencies(sim_tv_test screen QvTV)
add_custom_command(TARGET sim_tv_test POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:QvTV>
          $<TARGET_FILE_DIR:sim_tv_test>/QvTV.dll)
