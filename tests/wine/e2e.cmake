# End-to-end tests: shell scripts that lay out an installation in a Wine prefix of their own,
# start the programs on a private X screen and drive them with real input.
file(GLOB TVPANEL_E2E_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/e2e/*.sh)
list(FILTER TVPANEL_E2E_SCRIPTS EXCLUDE REGEX "/lib\\.sh$")
foreach(script ${TVPANEL_E2E_SCRIPTS})
  get_filename_component(name ${script} NAME_WE)
  add_test(NAME e2e.${name} COMMAND bash ${script} ${CMAKE_BINARY_DIR})
  set_tests_properties(e2e.${name} PROPERTIES TIMEOUT 300 PROCESSORS 2)
endforeach()
# The storm's hundred thousand messages take minutes on a shared machine.
if(TEST e2e.storm)
  set_tests_properties(e2e.storm PROPERTIES TIMEOUT 1200)
endif()
