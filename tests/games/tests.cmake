yardmark_add_test(test_games
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/GameFiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_synopsis.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_newgame.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_opendelete.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_casetwins.cpp
  LIBS yardmark_guitestsupport)
add_dependencies(test_games yardmark-jetread)
