# GUI: report naming, game selection, generation, the viewer and the report file dialogs;
# the records book.
target_sources(yardmark_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BrowserCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DialogDeleteReport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DialogNewReport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DialogOpenReport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmNewReport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmViewReport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PrintCharts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PrintLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RecordsBook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportFileDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ViewerExports.cpp
)
