# GUI: game file dialogs: new, open (with the synopsis), delete, and their folder and file lists.
target_sources(yardmark_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DialogDeleteGame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DialogNewGame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DialogOpenGame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GameDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GameFileLists.cpp
)
# GUI: the start-up question about files kept by the earlier version.
target_sources(yardmark_gui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ConvertOldFiles.cpp)
