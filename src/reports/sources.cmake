# GUI: report naming, game selection, generation, the viewer and the report file dialogs.
# target_sources(yardmark_gui PRIVATE ...)
