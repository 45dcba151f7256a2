# Test-only Windows programs that the end-to-end scripts run beside the panel.
add_executable(post_random ${CMAKE_CURRENT_LIST_DIR}/e2e_tools/post_random.cpp)
target_include_directories(post_random PRIVATE ${PROJECT_SOURCE_DIR}/src)
tvpanel_warnings(post_random)
set_target_properties(post_random PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                             ${CMAKE_BINARY_DIR}/tests/wine/e2e_tools)

# The test prefix's stand-ins for the shell's file opener and the mail library: they log what
# they were asked to do.
add_executable(file_opener WIN32 ${CMAKE_CURRENT_LIST_DIR}/e2e_tools/file_opener.cpp)
tvpanel_warnings(file_opener)
add_library(mail_stub SHARED ${CMAKE_CURRENT_LIST_DIR}/e2e_tools/mail_stub.cpp
                             ${CMAKE_CURRENT_LIST_DIR}/e2e_tools/mail_stub.def)
set_target_properties(mail_stub PROPERTIES PREFIX "" OUTPUT_NAME mapi32)
tvpanel_warnings(mail_stub)
set_target_properties(file_opener mail_stub PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/wine/e2e_tools
  LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/wine/e2e_tools)
add_executable(sheet_probe ${CMAKE_CURRENT_LIST_DIR}/e2e_tools/sheet_probe.cpp)
tvpanel_warnings(sheet_probe)
target_link_libraries(sheet_probe PRIVATE comctl32)
set_target_properties(sheet_probe PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                             ${CMAKE_BINARY_DIR}/tests/wine/e2e_tools)
add_executable(hold_file ${CMAKE_CURRENT_LIST_DIR}/e2e_tools/hold_file.cpp)
tvpanel_warnings(hold_file)
set_target_properties(hold_file PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                           ${CMAKE_BINARY_DIR}/tests/wine/e2e_tools)
