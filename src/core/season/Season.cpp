#include "core/season/Season.h"

#include "core/db/Database.h"
#include "core/files/FileKind.h"
#include "core/text/CaseFold.h"

namespace yardmark {

namespace fs = std::filesystem;

namespace {

std::string gameReason(const fs::path& path, const DbError& e) {
  if (e.number() == dberr::FileNotFound) {
    // A name that is there but cannot be followed (a loop of links, a folder not to be read)
    // is not a missing file: say why.
    std::error_code ec;
    static_cast<void>(fs::status(path, ec));
    if (!ec || ec == std::errc::no_such_file_or_directory || ec == std::errc::not_a_directory)
      return "the game file does not exist.";
    std::string why = ec.message();
    if (!why.empty()) why[0] = lowerAscii(why[0]);
    return "the game file cannot be reached: " + why + ".";
  }
  // The database layer may have said so already, naming the table at fault.
  const bool said = e.description().find(" is not a YardMark game file") != std::string::npos;
  if (!said &&
      (e.number() == dberr::NotADatabase || e.number() == dberr::NoSuchTable || e.number() == dberr::NoSuchField))
    return "it is not a YardMark game file: " + e.description();
  return e.description();
}

Game readOne(const fs::path& file) {
  try {
    return readGame(file);
  } catch (const DbError& e) {
    // A file of the earlier version: say how to convert it rather than that it is not ours.
    throw MergeError(file, isJetFile(file) ? oldFileReason() + "." : gameReason(file, e));
  }
}

}  // namespace

void readSeason(const std::vector<fs::path>& files, const std::function<void(const Game&)>& take) {
  for (const fs::path& file : files) take(readOne(file));
}

std::vector<Game> readSeason(const std::vector<fs::path>& files) {
  std::vector<Game> games;
  games.reserve(files.size());
  for (const fs::path& file : files) games.push_back(readOne(file));
  return games;
}

bool playerKeyInto(const Value& name, std::string& key) {
  if (name.isNull()) return false;
  // The kind goes into the key so that a text never equals a number of the same digits.
  key.assign(1, name.isText() ? 't' : 'n');  // appended, not prefixed: GCC 12 -O3 warns on insert (-Wrestrict)
  key += name.isText() ? name.text() : textOf(name);
  return true;
}

std::optional<std::string> playerKey(const Value& name) {
  std::string key;
  if (!playerKeyInto(name, key)) return std::nullopt;
  return key;
}

}  // namespace yardmark
