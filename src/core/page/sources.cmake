# The report writer and the page blocks; the season detail page and the CSV files;
# the records book and its SVG charts.
target_sources(yardmark_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CsvExport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DetailPage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PageDefense.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PageHeading.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PageTables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PageText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RecordsPage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportHTML.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SeasonTables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SvgChart.cpp
)
