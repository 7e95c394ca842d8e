# The text layer, below every other: letter case, the name fold, UTF-8, text as shown, CSV and
# the key rules of the text boxes.
target_sources(yardmark_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Csv.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KeyRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NameFold.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ShownText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Utf8.cpp
)
