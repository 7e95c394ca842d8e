# The roster read from a spreadsheet: CSV text, header and name columns, duplicates.
target_sources(yardmark_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CsvText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SpreadsheetRoster.cpp
)
