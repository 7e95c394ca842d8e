#pragma once
// Game files for the game dialogs' tests: complete games (every game-level section filled,
// so an entry form that opens one asks nothing) and files that are not games at all.
#include <filesystem>
#include <string>

#include "support/TempRoot.h"

namespace yardmark::test {

enum class Result { Won, Lost, Neither, NoHeader };

// A complete game below the root, copied from the template.
std::filesystem::path writeGame(const TempRoot& root, const std::string& relative, Result result,
                                const std::string& own = "Eagles", const std::string& opp = "Hawks");

// Files that sit in a year folder but cannot be read as games.
enum class Damage { ZeroBytes, RandomBytes, JetFile, Text };
std::filesystem::path writeDamaged(const TempRoot& root, const std::string& relative, Damage damage);

}  // namespace yardmark::test
