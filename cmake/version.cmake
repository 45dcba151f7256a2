# The one version number of the product lives in project() of the top CMakeLists.txt. From it
# come the header the programs include (the about box's text), every program's VERSIONINFO
# resource (Explorer's file properties) and the package names.
set(TVPANEL_PRODUCT_NAME "TV Panel")
set(TVPANEL_GENERATED_INCLUDE ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/tvpanel_version.h.in
               ${TVPANEL_GENERATED_INCLUDE}/tvpanel_version.h @ONLY)
include_directories(${TVPANEL_GENERATED_INCLUDE})

# tvpanel_version_info(TARGET "File description" ORIGINAL_FILE_NAME): a VERSIONINFO resource.
function(tvpanel_version_info target description original)
  if(NOT WIN32)
    return()
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "SHARED_LIBRARY")
    set(TVPANEL_RC_FILETYPE "VFT_DLL")
  else()
    set(TVPANEL_RC_FILETYPE "VFT_APP")
  endif()
  set(TVPANEL_RC_DESCRIPTION "${description}")
  set(TVPANEL_RC_ORIGINAL "${original}")
  get_filename_component(TVPANEL_RC_INTERNAL "${original}" NAME_WE)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version_info.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version_info.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
