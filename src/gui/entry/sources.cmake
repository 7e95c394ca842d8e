# GUI: the game entry form, its game-level sections and the player-section engine.
target_sources(yardmark_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/EntryWidgets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EntryWidgets.h
  ${CMAKE_CURRENT_LIST_DIR}/GameDetailsSection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GameDetailsSection.h
  ${CMAKE_CURRENT_LIST_DIR}/GameLevelSection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GameLevelSection.h
  ${CMAKE_CURRENT_LIST_DIR}/frmGameCheck.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmGameCheck.h
  ${CMAKE_CURRENT_LIST_DIR}/frmNewGame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmNewGameFrames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Section.h
)

# The five player sections: one engine, the table of what differs, the roster's names.
target_sources(yardmark_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/PlayerSection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PlayerSections.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PlayerNameLists.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NameCompleter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NameCompleter.h
)
