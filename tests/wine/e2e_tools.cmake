# Test-only Windows programs that the end-to-end scripts run beside the panel.
add_executable(post_random ${CMAKE_CURRENT_LIST_DIR}/e2e_tools/post_random.cpp)
target_include_directories(post_random PRIVATE ${PROJECT_SOURCE_DIR}/src)
tvpanel_warnings(post_random)
set_target_properties(post_random PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                             ${CMAKE_BINARY_DIR}/tests/wine/e2e_tools)
add_executable(hold_file ${CMAKE_CURRENT_LIST_DIR}/e2e_tools/hold_file.cpp)
tvpanel_warnings(hold_file)
set_target_properties(hold_file PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                           ${CMAKE_BINARY_DIR}/tests/wine/e2e_tools)
