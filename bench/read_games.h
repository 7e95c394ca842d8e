/* The floor of every report: open each game file and step through the rows of its eight tables,
   every column fetched, with the sqlite3 C API alone. */
#ifndef YARDMARK_BENCH_READ_GAMES_H
#define YARDMARK_BENCH_READ_GAMES_H
#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Cells read (a text counts its bytes); (size_t)-1 when a file cannot be read. */
size_t readGamesC(const char* const* files, size_t count);

#ifdef __cplusplus
}
#endif
#endif
