// A program that begins a save and never finishes it, for the tests that kill it:
//   save_child <program dir>   a save of Game3 begun: the header renamed and rows added, so many
//                              that part of it reaches the file; then it prints "cut" and waits
#include <SQLiteCpp/SQLiteCpp.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  SQLite::Database db(std::string(argv[1]) + "/YardMark/games/2007/Game3.mdb", SQLite::OPEN_READWRITE);
  db.exec("PRAGMA cache_size = 10");  // a small cache writes changed pages out before the commit
  db.exec("BEGIN IMMEDIATE");
  db.exec("UPDATE header SET OwnTeamName = 'Interrupted', OppTeamName = 'Interrupted'");
  db.exec(
      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 5000) "
      "INSERT INTO rushing (indRushATT, indPlayerName) SELECT i, 'Filler' FROM n");
  std::printf("cut\n");
  std::fflush(stdout);
  for (;;) std::this_thread::sleep_for(std::chrono::seconds(1));
}
