#pragma once
// Game files on the disk: which files are games, the path a dialog hands over, and making,
// deleting and recognising a game file. No widgets here.
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "core/files/FolderListing.h"

namespace yardmark {

// Game files: names ending in ".mdb" in any letter case.
const Listing& gameFiles();
// The game files of a folder, naturally ordered; none when it cannot be read.
std::vector<std::filesystem::path> listGameFiles(const std::filesystem::path& folder);

// The path a dialog hands over: every ASCII letter in lower case. The path lookup folds only
// ASCII letters, so other letters keep their case to be found again.
std::string handOverPath(const std::filesystem::path& file);

// Copies the master template to a new game file under a temporary name and renames it into
// place, so a copy cut short (a full disk) never leaves a damaged game under the game's name.
// Throws std::filesystem::filesystem_error with the system's reason.
void copyTemplateTo(const std::filesystem::path& masterTemplate, const std::filesystem::path& gameFile);

// Deletes a game file, and a journal that a crash left beside it so that it is never played
// back into a later game of the same name. The system's reason when the file cannot go.
std::error_code deleteGameFile(const std::filesystem::path& file);

// The team names used in some game files: own and opponent apart, each name once (letter case
// aside, the first spelling kept), in alphabetical order. Only the header is read; a file that
// cannot be read is passed over.
struct TeamNames {
  std::vector<std::string> own, opp;
};
TeamNames teamNamesOf(const std::vector<std::filesystem::path>& gameFiles);

// Whether a path handed over (perhaps in another letter case) names the game file that is
// open; false when either is empty or missing.
bool isSameGameFile(const std::filesystem::path& openFile, const std::filesystem::path& handedOver);

}  // namespace yardmark
