# The roster: its names, the search, the roster database, the contacts read for the import and
# the roster read from a spreadsheet.
target_sources(yardmark_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Contacts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NameCompletion.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Roster.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RosterDetails.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RosterNames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RosterSearch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SpreadsheetRoster.cpp
)
