# Sending a game (MaxPreps, the newspaper's box score): core only, no Qt.
add_executable(yardmark-export ${CMAKE_CURRENT_LIST_DIR}/export_main.cpp ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp)
target_link_libraries(yardmark-export PRIVATE yardmark_core)
