# GUI: game file dialogs: new, open (with the synopsis), delete, and their folder and file lists.
# target_sources(yardmark_gui PRIVATE ...)
# GUI: the start-up question about files kept by the earlier version.
target_sources(yardmark_gui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ConvertOldFiles.cpp)
