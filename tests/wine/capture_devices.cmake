# The capture device check with the media framework's real system device enumerator; each test
# registers the video capture devices it needs in the prefix's registry.
tvpanel_wine_test(capture_devices_test ${CMAKE_CURRENT_LIST_DIR}/capture_devices_test.cpp
                  LIBS platform_win32)
