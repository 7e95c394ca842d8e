# GUI: report naming, game selection, generation, the viewer and the report file dialogs.
yardmark_add_test(test_reports SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/../report/ReportFixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_newreport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_selectgames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_viewreport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_reportfiles.cpp
  LIBS yardmark_guitestsupport)
add_dependencies(test_reports yardmark-report)
target_compile_definitions(test_reports PRIVATE YARDMARK_REPORT_EXE="$<TARGET_FILE:yardmark-report>")
