# The batch report command: core only, no Qt.
add_executable(yardmark-report ${CMAKE_CURRENT_LIST_DIR}/report_main.cpp ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp)
target_link_libraries(yardmark-report PRIVATE yardmark_core)
