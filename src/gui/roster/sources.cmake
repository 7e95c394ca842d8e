# GUI: roster maintenance and the import from the contacts database.
target_sources(yardmark_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/frmRoster.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmRosterDetails.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmRosterImport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmRosterImportSheet.cpp
)
