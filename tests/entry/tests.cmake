yardmark_add_test(test_entry
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/EntryFixture.h
    ${CMAKE_CURRENT_LIST_DIR}/test_entryform.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_gamesections.cpp
  LIBS yardmark_guitestsupport)
