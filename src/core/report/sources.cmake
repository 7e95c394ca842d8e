# Report building: naming, consolidation, the record sets and the generation steps.
target_sources(yardmark_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Consolidator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportGenerator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportName.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RunLock.cpp
)
