# Game files: their eight tables, making, copying and deleting them, the season synopsis.
target_sources(yardmark_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/GameFolder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GameTables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Synopsis.cpp
)
