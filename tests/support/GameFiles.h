#pragma once
// The one complete game (every game-level section filled, so an entry form that opens one asks
// nothing, and a player in most tables), as rows and as a file, and files that are not games at all.
#include "support/ReportFixture.h"

namespace yardmark::test {

// A quarter row from own and opp's four quarters; the totals are added.
Row quarterRow(std::vector<double> own, std::vector<double> opp);
Row teamRow(double base);
// Won 21 to 14 against the Hawks.
GameRows hawksGame();

enum class Result { Won, Lost, Neither, NoHeader };

// The complete game's game-level rows below the root, with these teams and this result (NoHeader:
// no header row).
std::filesystem::path writeGame(const TempRoot& root, const std::string& relative, Result result,
                                const std::string& own = "Eagles", const std::string& opp = "Hawks");

// Files that sit in a year folder but cannot be read as games.
enum class Damage { ZeroBytes, RandomBytes, JetFile, Text };
std::filesystem::path writeDamaged(const TempRoot& root, const std::string& relative, Damage damage);

}  // namespace yardmark::test
