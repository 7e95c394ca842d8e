yardmark_add_test(test_players
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/../report/ReportFixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PlayerHost.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SectionFixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_player_form.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_player_sections.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_roster_names.cpp
  LIBS yardmark_guitestsupport)
