# GUI: the back-up of the whole data folder and its restore.
target_sources(yardmark_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BackupCommands.cpp
)
