# The roster: its names, the search, the roster database and the contacts read for the import.
target_sources(yardmark_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Contacts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Roster.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RosterNames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RosterSearch.cpp
)
