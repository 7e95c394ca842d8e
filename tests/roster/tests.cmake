yardmark_add_test(test_roster
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/test_roster_names.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_jetread.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_frmroster.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_frmrosterimport.cpp
  LIBS yardmark_guitestsupport)
# The forms read contacts files through the helper, found beside the test in bin/.
add_dependencies(test_roster yardmark-jetread)
