# The panel's dialog templates loaded from Panel.exe and shown without their behaviour: ids,
# classes, styles, radio groups, unclipped texts, and a picture of each in the artifacts.
tvpanel_wine_test(dialog_templates_test ${CMAKE_CURRENT_LIST_DIR}/dialog_templates_test.cpp
                  LIBS comctl32 ole32 gdiplus gdi32 user32)
add_dependencies(dialog_templates_test Panel)
