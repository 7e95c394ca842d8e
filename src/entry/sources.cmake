# GUI: the game entry form, its game-level sections and the player-section engine.
# target_sources(yardmark_gui PRIVATE ...)
