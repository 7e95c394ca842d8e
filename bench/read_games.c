#include "read_games.h"

#include <sqlite3.h>
#include <stdio.h>

static const char* const kTables[] = {"SELECT * FROM header",  "SELECT * FROM quarter", "SELECT * FROM teamStats",
                                      "SELECT * FROM rushing", "SELECT * FROM passing", "SELECT * FROM receiving",
                                      "SELECT * FROM scoring", "SELECT * FROM defense"};

size_t readGamesC(const char* const* files, size_t count) {
  size_t cells = 0;
  for (size_t f = 0; f < count; ++f) {
    sqlite3* db = NULL;
    if (sqlite3_open_v2(files[f], &db, SQLITE_OPEN_READONLY, NULL) != SQLITE_OK) {
      sqlite3_close(db);
      return (size_t)-1;
    }
    for (size_t t = 0; t < sizeof kTables / sizeof kTables[0]; ++t) {
      sqlite3_stmt* st = NULL;
      if (sqlite3_prepare_v2(db, kTables[t], -1, &st, NULL) != SQLITE_OK) {
        sqlite3_close(db);
        return (size_t)-1;
      }
      while (sqlite3_step(st) == SQLITE_ROW) {
        const int columns = sqlite3_column_count(st);
        for (int c = 0; c < columns; ++c) {
          if (sqlite3_column_type(st, c) == SQLITE_TEXT) {
            sqlite3_column_text(st, c);
            cells += (size_t)sqlite3_column_bytes(st, c);
          } else {
            sqlite3_column_double(st, c);
            ++cells;
          }
        }
      }
      sqlite3_finalize(st);
    }
    sqlite3_close(db);
  }
  return cells;
}

#ifdef READ_GAMES_MAIN
/* read_games GAME...: the same as a program of its own, to time beside yardmark-report. */
int main(int argc, char** argv) {
  const size_t cells = readGamesC((const char* const*)(argv + 1), (size_t)(argc - 1));
  if (cells == (size_t)-1) {
    fprintf(stderr, "read_games: a file could not be read\n");
    return 1;
  }
  printf("%zu cells\n", cells);
  return 0;
}
#endif
