# The real dialog controls and the one dialog procedure, held against the fake controls.
tvpanel_wine_test(dialog_controls_test ${CMAKE_CURRENT_LIST_DIR}/dialog_controls_test.cpp
                  ${CMAKE_CURRENT_LIST_DIR}/dialog_controls_test.rc
                  ${PROJECT_SOURCE_DIR}/tests/fakes/fake_dialogs.cpp LIBS platform_win32)
target_include_directories(dialog_controls_test PRIVATE ${PROJECT_SOURCE_DIR}/tests)
