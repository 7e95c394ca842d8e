# GUI: the game entry form, its game-level sections and the player-section engine.
target_sources(yardmark_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/frmNewGame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Section.h
)
