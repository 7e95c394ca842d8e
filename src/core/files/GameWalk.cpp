#include "core/files/GameWalk.h"

namespace yardmark {

namespace fs = std::filesystem;

const Listing& gameFileListing() {
  static const Listing games = Listing::files({std::string(layout::kGameExtension)});
  return games;
}

std::vector<TreeGame> gamesOfYear(const fs::path& yearFolder) {
  std::vector<TreeGame> games;
  const std::string year = yearFolder.filename().string();
  for (fs::path& file : listFolder(yearFolder, gameFileListing())) games.push_back({year, std::move(file)});
  return games;
}

std::vector<TreeGame> gamesOfTree(const DataTree& tree) {
  std::vector<TreeGame> games;
  for (const fs::path& year : listFolder(tree.gamesRoot(), Listing::folders())) {
    std::vector<TreeGame> more = gamesOfYear(year);
    games.insert(games.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
  }
  return games;
}

}  // namespace yardmark
