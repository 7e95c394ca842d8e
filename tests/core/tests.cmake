set(_t ${CMAKE_CURRENT_LIST_DIR})
# The text layer: the CSV writer against its reader, the name fold, the key rules.
yardmark_add_test(test_text SOURCES ${_t}/text/test_text.cpp)

# The database layer, its query grammar, values and conversions.
yardmark_add_test(test_db SOURCES ${_t}/db/test_db.cpp)
# The folder tree, the data-folder rule and the folder listing.
yardmark_add_test(test_files SOURCES ${_t}/files/test_files.cpp)
# Game files: the season synopsis, the open game's path, the named columns against the schema.
yardmark_add_test(test_gamefiles SOURCES ${_t}/games/test_gamefiles.cpp)
add_dependencies(test_gamefiles yardmark-jetread)

# The roster: its names, the search, the contacts read for the import and a spreadsheet's CSV read.
yardmark_add_test(test_rostercore SOURCES ${_t}/roster/test_roster.cpp)
add_dependencies(test_rostercore yardmark-jetread)

# Report engine: merge, driver and the batch command.
yardmark_add_test(test_report SOURCES
  ${_t}/report/test_report.cpp
)
add_dependencies(test_report yardmark-report)
target_compile_definitions(test_report PRIVATE YARDMARK_REPORT_EXE="$<TARGET_FILE:yardmark-report>")

# Files of the earlier version: the helper's lists, the conversion and the command.
yardmark_add_test(test_convert SOURCES
  ${_t}/jet/test_jetfile.cpp
  ${_t}/convert/test_convert.cpp
)
# The helper is found beside the test in bin/, as the program finds it.
add_dependencies(test_convert yardmark-jetread yardmark-convert)
target_compile_definitions(test_convert PRIVATE YARDMARK_CONVERT_EXE="$<TARGET_FILE:yardmark-convert>")

# The game audit: its rules over a game's rows, and yardmark-check.
yardmark_add_test(test_audit SOURCES ${_t}/games/test_audit.cpp)
add_dependencies(test_audit yardmark-check)
target_compile_definitions(test_audit PRIVATE YARDMARK_CHECK_EXE="$<TARGET_FILE:yardmark-check>")


# The one-file back-up and its restore, and the command.
yardmark_add_test(test_backup SOURCES ${_t}/backup/test_backup.cpp ${_t}/backup/test_restore_faults.cpp)
add_dependencies(test_backup yardmark-backup)
target_compile_definitions(test_backup PRIVATE YARDMARK_BACKUP_EXE="$<TARGET_FILE:yardmark-backup>")

# The report page: blocks, figures and writer; the season detail page, its CSV files and the command's
# options for them.
yardmark_add_test(test_detail SOURCES ${_t}/page/test_page.cpp)
add_dependencies(test_detail yardmark-report)
target_compile_definitions(test_detail PRIVATE YARDMARK_REPORT_EXE="$<TARGET_FILE:yardmark-report>")

# The season model against its three outputs and the statistics they share; the records book over many
# seasons, its charts, its CSV files and yardmark-records.
yardmark_add_test(test_records SOURCES ${_t}/season/test_season.cpp)
add_dependencies(test_records yardmark-records)
target_compile_definitions(test_records PRIVATE YARDMARK_RECORDS_EXE="$<TARGET_FILE:yardmark-records>")

# The batch commands' one command line.
yardmark_add_test(test_commandline SOURCES ${_t}/app/test_commandline.cpp ${PROJECT_SOURCE_DIR}/src/app/CommandLine.cpp)

# Sending a game: the MaxPreps stat file, the newspaper's box score and yardmark-export.
yardmark_add_test(test_export SOURCES ${_t}/export/test_export.cpp)
add_dependencies(test_export yardmark-export)
target_compile_definitions(test_export PRIVATE YARDMARK_EXPORT_EXE="$<TARGET_FILE:yardmark-export>")
