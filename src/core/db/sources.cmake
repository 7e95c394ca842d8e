# The database layer: values and conversions, the query grammar, the row sets.
target_sources(yardmark_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Database.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Value.cpp
)
