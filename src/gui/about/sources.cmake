target_sources(yardmark_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/frmAbout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmAbout.ui
  ${CMAKE_CURRENT_LIST_DIR}/SystemInfo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UserGuide.cpp
)
# Where cmake/Install.cmake puts the guide; a build finds its copy beside the executables first.
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/UserGuide.cpp APPEND PROPERTY
  COMPILE_DEFINITIONS YARDMARK_INSTALLED_GUIDE="${CMAKE_INSTALL_FULL_DATADIR}/yardmark/UserGuide.html")
