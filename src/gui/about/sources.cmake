target_sources(yardmark_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/frmAbout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmAbout.ui
  ${CMAKE_CURRENT_LIST_DIR}/SystemInfo.cpp
)
