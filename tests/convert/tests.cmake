# Files of the earlier version: the helper's lists, the conversion and the command.
yardmark_add_test(test_convert SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/test_jetfile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_converter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_convert_command.cpp
)
# The helper is found beside the test in bin/, as the program finds it.
add_dependencies(test_convert yardmark-jetread yardmark-convert)
target_compile_definitions(test_convert PRIVATE YARDMARK_CONVERT_EXE="$<TARGET_FILE:yardmark-convert>")
# The start-up question, on a main window's prompter.
yardmark_add_test(test_convertgui SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_convert_question.cpp LIBS yardmark_guitestsupport)
add_dependencies(test_convertgui yardmark-jetread)
