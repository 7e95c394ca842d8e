# The records book command: core only, no Qt.
add_executable(yardmark-records ${CMAKE_CURRENT_LIST_DIR}/records_main.cpp ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp)
target_link_libraries(yardmark-records PRIVATE yardmark_core)
