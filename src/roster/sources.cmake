# GUI: roster maintenance and the import from the contacts database.
# target_sources(yardmark_gui PRIVATE ...)
