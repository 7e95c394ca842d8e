# The Send Game dialog.
target_sources(yardmark_gui PRIVATE
)
