# The Windows packages: a setup program (NSIS) and a portable zip with the same files.
#   cmake --build --preset win32 --target package
#     -> TvPanel-<version>-win32-setup.exe, TvPanel-<version>-win32.zip
# The setup program is our own script (cmake/packaging/NSIS.template.in): it installs into the
# TV card software's folder, keeps what it replaces and restores it on removal.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(TVPANEL_PACKAGE_ARCH win64)
else()
  set(TVPANEL_PACKAGE_ARCH win32)
endif()

# What both packages hold, at their top level.
install(TARGETS Panel tvremote RUNTIME DESTINATION .)
install(FILES ${CMAKE_BINARY_DIR}/skins/Panel.ini ${PROJECT_SOURCE_DIR}/dist/Settings.ini
        DESTINATION .)
install(DIRECTORY ${CMAKE_BINARY_DIR}/skins/panelbmp1 ${CMAKE_BINARY_DIR}/skins/panelbmp2
        DESTINATION .)
# The zip's README.txt: plain ASCII with CRLF line ends, for Notepad. The setup program
# leaves it out (its script names the files it installs).
file(READ ${PROJECT_SOURCE_DIR}/dist/README.txt.in TVPANEL_README)
string(CONFIGURE "${TVPANEL_README}" TVPANEL_README @ONLY)
string(REPLACE "\r\n" "\n" TVPANEL_README "${TVPANEL_README}")
string(REPLACE "\n" "\r\n" TVPANEL_README "${TVPANEL_README}")
file(WRITE ${CMAKE_BINARY_DIR}/generated/README.txt "${TVPANEL_README}")
install(FILES ${CMAKE_BINARY_DIR}/generated/README.txt DESTINATION .)

set(CPACK_GENERATOR "NSIS;ZIP")
set(CPACK_PACKAGE_NAME TvPanel)
set(CPACK_PACKAGE_VENDOR "TV Panel")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME TvPanel-${PROJECT_VERSION}-${TVPANEL_PACKAGE_ARCH})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_TVPANEL_ARCH ${TVPANEL_PACKAGE_ARCH})
set(CPACK_TVPANEL_PRODUCT_NAME "${TVPANEL_PRODUCT_NAME}")
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/packaging/per_generator.cmake)
# CPack finds NSIS.template.in here before its own.
list(PREPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake/packaging)
include(CPack)
