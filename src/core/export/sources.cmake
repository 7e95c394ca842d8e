# Sending and exporting: files written for other programs and people.
target_sources(yardmark_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/RecordsCsv.cpp
)
