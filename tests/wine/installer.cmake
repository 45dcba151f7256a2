# The setup program under Wine: the package is made once (a fixture), then each script installs,
# starts, updates and removes the panel in a prefix of its own.
add_test(NAME package.build COMMAND ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
         WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
set_tests_properties(package.build PROPERTIES FIXTURES_SETUP tvpanel_package TIMEOUT 300)

file(GLOB TVPANEL_INSTALLER_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/installer/*.sh)
list(FILTER TVPANEL_INSTALLER_SCRIPTS EXCLUDE REGEX "/lib\\.sh$")
foreach(script ${TVPANEL_INSTALLER_SCRIPTS})
  get_filename_component(name ${script} NAME_WE)
  add_test(NAME installer.${name} COMMAND bash ${script} ${CMAKE_BINARY_DIR})
  set_tests_properties(installer.${name} PROPERTIES FIXTURES_REQUIRED tvpanel_package
                       TIMEOUT 300 PROCESSORS 2)
endforeach()

# Every program carries the product's version in its version resource.
tvpanel_wine_test(version_info_test ${CMAKE_CURRENT_LIST_DIR}/version_info_test.cpp LIBS version)
target_compile_definitions(version_info_test PRIVATE
  PANEL_PROGRAM="$<TARGET_FILE:Panel>" TUNER_LIBRARY="$<TARGET_FILE:QvTV>"
  VIDEO_PROGRAM="$<TARGET_FILE:screen>" REMOTE_PROGRAM="$<TARGET_FILE:tvremote>")
