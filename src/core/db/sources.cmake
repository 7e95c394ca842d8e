# The database layer: values and conversions, the schema, the query grammar, the row sets.
target_sources(yardmark_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Database.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QueryGrammar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Recordset.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Schema.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Value.cpp
)
