# Game files: their eight tables, making, copying and deleting them, the season synopsis, the game audit.
target_sources(yardmark_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/GameFolder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GameNumbers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GameTables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Synopsis.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Game.cpp
  ${CMAKE_CURRENT_LIST_DIR}/YearGlance.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GameData.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GameAudit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AuditRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AuditRowRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BoxScore.cpp
)
