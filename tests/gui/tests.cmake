# A test of the screens: test_<file>.cpp of one folder here, with the shared screen support.
function(yardmark_gui_test name folder)
  set(files ${ARGN})
  list(TRANSFORM files REPLACE "(.+)" "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${folder}/test_\\1.cpp")
  yardmark_add_test(${name} SOURCES ${files} LIBS yardmark_guitestsupport)
endfunction()
set(_t ${CMAKE_CURRENT_LIST_DIR})

yardmark_gui_test(test_shell shell forms mainwindow)

# Game file dialogs, and the start-up question about the earlier version's files.
yardmark_gui_test(test_games games opendelete)
add_dependencies(test_games yardmark-jetread)

# The entry form, its game-level sections, and the player sections.
yardmark_gui_test(test_entry entry entryform gamesections)
# The program the durability test kills while it saves.
add_executable(entry_save_child ${_t}/entry/save_child.cpp)
target_link_libraries(entry_save_child PRIVATE SQLiteCpp SQLite::SQLite3)
add_dependencies(test_entry entry_save_child)
target_compile_definitions(test_entry PRIVATE YARDMARK_SAVE_CHILD="$<TARGET_FILE:entry_save_child>")
yardmark_gui_test(test_players entry players)

# Roster maintenance and the imports from the contacts database and from a spreadsheet.
yardmark_gui_test(test_roster roster frmroster frmrosterimport)
# The forms read contacts files through the helper, found beside the test in bin/.
add_dependencies(test_roster yardmark-jetread)

# Report naming, game selection, generation, the viewer and the report file dialogs.
yardmark_gui_test(test_reports reports reportmenu viewreport)
add_dependencies(test_reports yardmark-report)
target_compile_definitions(test_reports PRIVATE YARDMARK_REPORT_EXE="$<TARGET_FILE:yardmark-report>")

# The back-up of the data folder and its restore, from the File menu.
yardmark_gui_test(test_backupgui backup backup_commands)

# Sending a game to MaxPreps and to the newspaper.
yardmark_gui_test(test_send send sendgame)

# The box-score sheet: its grids over the game file, two forms on one game, the keyboard walk.
yardmark_gui_test(test_sheet sheet sheet)
