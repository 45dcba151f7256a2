tvpanel_wine_test(platform_layer_test ${CMAKE_CURRENT_LIST_DIR}/platform_layer_test.cpp
                  LIBS platform_win32)
