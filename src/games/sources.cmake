# GUI: game file dialogs: new, open (with the synopsis), delete, and their folder and file lists.
# target_sources(yardmark_gui PRIVATE ...)
