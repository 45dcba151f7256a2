# The sound card's mixer through the real winmm calls (usually without any sound card).
tvpanel_wine_test(mixer_test ${CMAKE_CURRENT_LIST_DIR}/mixer_test.cpp LIBS platform_win32)
