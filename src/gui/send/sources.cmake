# The Send Game dialog.
target_sources(yardmark_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DialogSendGame.cpp
)
