set(_t ${CMAKE_CURRENT_LIST_DIR})
yardmark_add_test(test_shell
  SOURCES
    ${_t}/shell/test_about.cpp
    ${_t}/shell/test_formhost.cpp
    ${_t}/shell/test_forms_sweep.cpp
    ${_t}/shell/test_keyfilter.cpp
    ${_t}/shell/test_mainwindow.cpp
    ${_t}/shell/test_prompter.cpp
  LIBS yardmark_guitestsupport)

# Game file dialogs, and the start-up question about the earlier version's files.
yardmark_add_test(test_games
  SOURCES
    ${_t}/games/test_newgame.cpp
    ${_t}/games/test_opendelete.cpp
  LIBS yardmark_guitestsupport)
add_dependencies(test_games yardmark-jetread)
yardmark_add_test(test_convertgui SOURCES ${_t}/games/test_convert_question.cpp LIBS yardmark_guitestsupport)
add_dependencies(test_convertgui yardmark-jetread)

# The entry form, its game-level sections, and the player sections.
yardmark_add_test(test_entry
  SOURCES
    ${_t}/entry/test_durability.cpp
    ${_t}/entry/test_entryform.cpp
    ${_t}/entry/test_gamesections.cpp
  LIBS yardmark_guitestsupport)
# The program the durability tests kill while it saves.
add_executable(entry_save_child ${_t}/entry/save_child.cpp)
target_link_libraries(entry_save_child PRIVATE yardmark_gui)
add_dependencies(test_entry entry_save_child)
target_compile_definitions(test_entry PRIVATE YARDMARK_SAVE_CHILD="$<TARGET_FILE:entry_save_child>")
yardmark_add_test(test_players
  SOURCES
    ${_t}/entry/test_player_modes.cpp
    ${_t}/entry/test_player_sections.cpp
  LIBS yardmark_guitestsupport)

# Roster maintenance and the import from the contacts database.
yardmark_add_test(test_roster
  SOURCES
    ${_t}/roster/test_frmroster.cpp
    ${_t}/roster/test_frmrosterimport.cpp
    ${_t}/roster/test_frmrosterimportsheet.cpp
  LIBS yardmark_guitestsupport)
# The forms read contacts files through the helper, found beside the test in bin/.
add_dependencies(test_roster yardmark-jetread)

# Report naming, game selection, generation, the viewer and the report file dialogs.
yardmark_add_test(test_reports
  SOURCES
    ${_t}/reports/test_newreport.cpp
    ${_t}/reports/test_selectgames.cpp
    ${_t}/reports/test_viewreport.cpp
    ${_t}/reports/test_reportfiles.cpp
    ${_t}/reports/test_viewerexports.cpp
  LIBS yardmark_guitestsupport)
add_dependencies(test_reports yardmark-report)
target_compile_definitions(test_reports PRIVATE YARDMARK_REPORT_EXE="$<TARGET_FILE:yardmark-report>")

# The back-up of the data folder and its restore, from the File menu.
yardmark_add_test(test_backupgui SOURCES ${_t}/backup/test_backup_commands.cpp LIBS yardmark_guitestsupport)
