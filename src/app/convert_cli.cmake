# The command that converts the files kept by the earlier version: core only, no Qt.
add_executable(yardmark-convert ${CMAKE_CURRENT_LIST_DIR}/convert_main.cpp ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp)
target_link_libraries(yardmark-convert PRIVATE yardmark_core)
add_dependencies(yardmark-convert yardmark-jetread)
