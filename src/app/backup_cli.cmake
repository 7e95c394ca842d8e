# The one-file back-up from the command line, for a nightly job: core only, no Qt.
add_executable(yardmark-backup ${CMAKE_CURRENT_LIST_DIR}/backup_main.cpp ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp)
target_link_libraries(yardmark-backup PRIVATE yardmark_core)
