yardmark_add_test(test_entry
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/EntryFixture.h
    ${CMAKE_CURRENT_LIST_DIR}/../report/ReportFixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_durability.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_entryform.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_gamesections.cpp
  LIBS yardmark_guitestsupport)

# The program the durability tests kill while it saves.
add_executable(entry_save_child ${CMAKE_CURRENT_LIST_DIR}/save_child.cpp)
target_link_libraries(entry_save_child PRIVATE yardmark_gui)
add_dependencies(test_entry entry_save_child)
target_compile_definitions(test_entry PRIVATE YARDMARK_SAVE_CHILD="$<TARGET_FILE:entry_save_child>")
