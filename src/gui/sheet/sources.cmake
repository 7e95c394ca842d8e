# The box-score sheet: a game as grids.
target_sources(yardmark_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/SheetCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SheetCommands.h
  ${CMAKE_CURRENT_LIST_DIR}/SheetModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SheetModel.h
  ${CMAKE_CURRENT_LIST_DIR}/SheetView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SheetView.h
  ${CMAKE_CURRENT_LIST_DIR}/frmBoxScore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmBoxScore.h
)
