# Report building: consolidation and the generation steps (core, no Qt).
target_sources(yardmark_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Consolidator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportGenerator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportName.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportSets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RunLock.cpp
)
