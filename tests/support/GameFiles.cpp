#include "support/GameFiles.h"

#include <random>

namespace yardmark::test {

namespace fs = std::filesystem;

Row quarterRow(std::vector<double> own, std::vector<double> opp) {
  Row r;
  double tOwn = 0, tOpp = 0;
  for (size_t q = 0; q < 4; ++q) r.insert(r.end(), {opp[q], own[q]}), tOwn += own[q], tOpp += opp[q];
  r.insert(r.end(), {tOpp, tOwn});
  return r;
}

Row teamRow(double base) {
  Row r;
  for (int k = 0; k < 20; ++k) r.emplace_back(base + k * (k < 10 ? 3 : 5));
  return r;
}

GameRows hawksGame() {
  return {.header = {headerRow("Eagles", "Hawks", 2007, 1, true)},
          .quarter = {quarterRow({7, 0, 7, 7}, {0, 7, 0, 7})},
          .teamStats = {teamRow(10)},
          .rushing = {{12, 63, 1, 0, "Smith John "}, {4, 10, 0, 0, "Jones Al "}},
          .passing = {{9, 14, 140, 2, 1, "Brown Tom "}},
          .receiving = {{5, 80, 1, 0, "Jones Al "}},
          .scoring = {{2, 0, 0, 0, 12, "Smith John "}, {0, 3, 0, 0, 3, "Kick Ken "}},
          .defense = {{6, 3, 1, 1, 0, 1, 0, 0, "Lee Max "}}};
}

fs::path writeGame(const TempRoot& root, const std::string& relative, Result result, const std::string& own,
                   const std::string& opp) {
  const GameRows hawks = hawksGame();  // its game-level rows: no player for a roster to know
  GameRows game{.header = {{own, opp, 2007, 1, result == Result::Won, result == Result::Lost}},
                .quarter = hawks.quarter,
                .teamStats = hawks.teamStats};
  if (result == Result::NoHeader) game.header.clear();
  return makeGame(root, relative, game);
}

fs::path writeDamaged(const TempRoot& root, const std::string& relative, Damage damage) {
  switch (damage) {
    case Damage::ZeroBytes:
      return root.writeFile(relative, "");
    case Damage::Text:
      return root.writeFile(relative, "Game notes, not a database\n");
    case Damage::JetFile:
      return root.writeFile(relative, readBytes(fixture("contacts.mdb")));
    case Damage::RandomBytes: {
      std::mt19937 random(7);
      std::string bytes(8192, '\0');
      for (char& c : bytes) c = static_cast<char>(random());
      return root.writeFile(relative, bytes);
    }
  }
  return {};
}

}  // namespace yardmark::test
