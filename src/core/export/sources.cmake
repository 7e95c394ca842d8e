# Exports: the records book's CSV files.
target_sources(yardmark_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/RecordsCsv.cpp
)
