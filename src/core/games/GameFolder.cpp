#include "core/games/GameFolder.h"

#include <algorithm>

#include "core/db/Database.h"
#include "core/files/DataTree.h"
#include "core/files/FolderListing.h"
#include "core/files/GameWalk.h"
#include "core/files/SafeWrite.h"
#include "core/games/Game.h"
#include "core/text/CaseFold.h"

namespace yardmark {

namespace fs = std::filesystem;

const Listing& gameFiles() { return gameFileListing(); }

std::vector<fs::path> listGameFiles(const fs::path& folder) { return listFolder(folder, gameFiles()); }

std::string handOverPath(const fs::path& file) { return lowerAscii(file.string()); }

void copyTemplateTo(const fs::path& masterTemplate, const fs::path& gameFile) {
  replaceFile(gameFile, [&](const fs::path& part) { copyFileBytes(masterTemplate, part); });
}

std::error_code deleteGameFile(const fs::path& file) {
  std::error_code ec;
  if (fs::is_directory(file, ec)) return std::make_error_code(std::errc::is_a_directory);  // never a folder
  if (!fs::remove(file, ec)) return ec ? ec : std::make_error_code(std::errc::no_such_file_or_directory);
  // A journal left beside a deleted game would be played back into the next game of that name,
  // so one that cannot go is told, not passed over.
  for (const char* side : {"-journal", "-wal", "-shm"}) {
    fs::remove(file.string() + side, ec);
    if (ec && ec != std::errc::no_such_file_or_directory) return ec;
  }
  return {};
}

namespace {

void addName(std::vector<std::string>& names, const Value& value) {
  const std::string name = trimmed(textOf(value));
  if (name.empty()) return;
  if (std::none_of(names.begin(), names.end(), [&](const std::string& n) { return equalsIgnoringCase(n, name); }))
    names.push_back(name);
}

void sortNames(std::vector<std::string>& names) {
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return lowerAscii(a) < lowerAscii(b); });
}

}  // namespace

TeamNames teamNamesOf(const std::vector<fs::path>& gameFiles) {
  TeamNames names;
  for (const fs::path& file : gameFiles) {
    try {
      Database db(file, Database::Mode::ReadOnly);
      for (const Database::Row& row : db.readRows(gameTable(kHeader).query)) {
        addName(names.own, GameRow{row.key, row.fields}.at(col::header::kOwnTeamName));
        addName(names.opp, GameRow{row.key, row.fields}.at(col::header::kOppTeamName));
      }
    } catch (const std::exception&) {  // a damaged or foreign file offers no names
    }
  }
  sortNames(names.own);
  sortNames(names.opp);
  return names;
}

bool isSameGameFile(const fs::path& openFile, const fs::path& handedOver) {
  if (openFile.empty() || handedOver.empty()) return false;
  std::error_code ec;
  return fs::equivalent(openFile, findPathCaseInsensitive(handedOver), ec);
}

}  // namespace yardmark
