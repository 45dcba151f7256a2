# tvremote.exe as a separate process against a stand-in panel window of the test program:
# commands, real mouse and keyboard input, windows, the INI subcommands, the exit codes, and
# dialogs and property sheets of its own driven through "tvremote dialog".
tvpanel_wine_test(remote_test ${CMAKE_CURRENT_LIST_DIR}/remote_test.cpp
                  ${CMAKE_CURRENT_LIST_DIR}/remote_test.rc LIBS platform_win32 comctl32)
target_compile_definitions(remote_test PRIVATE TVREMOTE_PROGRAM="$<TARGET_FILE:tvremote>")
add_dependencies(remote_test tvremote)
