# The game audit command: core only, no Qt.
add_executable(yardmark-check ${CMAKE_CURRENT_LIST_DIR}/check_main.cpp ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp)
target_link_libraries(yardmark-check PRIVATE yardmark_core)
