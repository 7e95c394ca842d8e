yardmark_add_test(test_shell
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/test_about.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_check.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_formhost.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_keyfilter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_mainwindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_prompter.cpp
  LIBS yardmark_guitestsupport)
