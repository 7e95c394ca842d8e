# The one-file back-up of the data folder and its restore, through libzip.
target_sources(yardmark_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Archive.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Backup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DatabaseCheck.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Restore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RestorePlan.cpp
)
