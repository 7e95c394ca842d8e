#include "core/games/GameFolder.h"

#include <algorithm>

#include "core/files/DataTree.h"
#include "core/files/FolderListing.h"
#include "core/files/GameWalk.h"
#include "core/files/SafeWrite.h"
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

bool isSameGameFile(const fs::path& openFile, const fs::path& handedOver) {
  if (openFile.empty() || handedOver.empty()) return false;
  std::error_code ec;
  return fs::equivalent(openFile, findPathCaseInsensitive(handedOver), ec);
}

}  // namespace yardmark
