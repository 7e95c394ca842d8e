# The box-score sheet: a game as grids.
target_sources(yardmark_gui PRIVATE
)
