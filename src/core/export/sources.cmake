# Sending and exporting: files written for other programs and people.
target_sources(yardmark_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/RecordsCsv.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BoxWriters.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MaxPreps.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NewspaperBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SentGame.cpp
)
