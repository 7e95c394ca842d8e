# Report engine: page blocks, figures, merge, writer, driver and the batch command.
yardmark_add_test(test_reportpage SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ReportFixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_page_heading.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_page_tables.cpp
)
yardmark_add_test(test_report SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ReportFixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_consolidator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_generate.cpp
)
add_dependencies(test_report yardmark-report)
target_compile_definitions(test_report PRIVATE YARDMARK_REPORT_EXE="$<TARGET_FILE:yardmark-report>")
