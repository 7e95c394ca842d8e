#pragma once
// Converts a file kept by the earlier version (a Jet database) into one of our databases: the
// rows of every table it shares with ours, by column name regardless of letter case, into a
// fresh copy of the template (a game file) or a fresh roster. The new file is written under a
// temporary name and renamed into place; the original is kept beside it as NAME.jet (NAME.jet.1,
// ... when taken) and never deleted. A file that fails stays exactly as it was.
#include <filesystem>
#include <string>
#include <vector>

#include "core/jet/JetFile.h"

namespace yardmark {

enum class OldFileKind { Game, Roster };

struct OldFile {
  std::filesystem::path path;
  OldFileKind kind = OldFileKind::Game;
  bool copiesTemplate = false;  // a game of a year folder, made as a copy of the template
};

struct ConvertOptions {
  std::string helper = defaultJetreadPath();
  int timeLimitMs = 20000;
  bool dryRun = false;  // read and plan, write nothing
  // Told each file; its stop ends the run at once, even in the middle of reading a file.
  Progress* progress = nullptr;
};

struct Conversion {
  std::filesystem::path file;
  bool ok = false;
  std::string reason;                // why it failed
  std::filesystem::path keptAs;      // where the original now is
  std::vector<std::string> leftOut;  // tables and columns our databases have no place for
  size_t rows = 0;                   // rows copied
};

// templateFile: the game template whose fresh copy receives the rows of a game of a year
// folder; when it is missing or not one of our databases, and for the template, the temporary
// database and the roster, a fresh file is made from the house schema instead.
Conversion convertOldFile(const OldFile& old, const std::filesystem::path& templateFile, const ConvertOptions& options);

// The name the original is kept under: NAME.jet, or NAME.jet.N for the first N not taken.
std::filesystem::path keptName(const std::filesystem::path& file, int attempt);

}  // namespace yardmark
