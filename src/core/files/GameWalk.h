#pragma once
// The one walk over the game files of a data folder, shared by the audit, the back-up and the
// conversion of the earlier version's files.
#include <filesystem>
#include <string>
#include <vector>

#include "core/files/DataTree.h"
#include "core/files/FolderListing.h"

namespace yardmark {

// Game files: names ending in the game extension, in any letter case.
const Listing& gameFileListing();

struct TreeGame {
  std::string year;  // the year folder's name as on the disk
  std::filesystem::path file;
};

// The game files of one year folder, naturally ordered; none when it cannot be read.
std::vector<TreeGame> gamesOfYear(const std::filesystem::path& yearFolder);

// Every game file of every year folder (hidden folders left out), year by year and file by file
// in the listing's natural order. A folder that cannot be read adds nothing.
std::vector<TreeGame> gamesOfTree(const DataTree& tree);

}  // namespace yardmark
