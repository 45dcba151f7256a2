# The portable INI layer against the platform's own profile calls, case by case.
tvpanel_wine_test(profile_conformance_test ${CMAKE_CURRENT_LIST_DIR}/profile_conformance_test.cpp
                  LIBS panel_core)
