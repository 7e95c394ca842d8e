# The report writer and the page blocks.
target_sources(yardmark_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/PageDefense.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PageHeading.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PageTables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PageText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportHTML.cpp
)
