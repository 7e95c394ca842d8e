#pragma once
// What the batch commands (yardmark-report, yardmark-convert, yardmark-check, yardmark-backup) share:
// their exit codes, their command line and the data folder they work in when --root does not name one.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/files/DataFolder.h"

namespace yardmark::cli {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// An option a command takes: a flag, or one with a value, which names it in "--csv needs a directory".
struct Option {
  std::string name;
  const char* value = nullptr;
};

// The command line a command takes; --root DIR and --help are every command's.
struct Grammar {
  std::vector<Option> options;
  // Options end at the first other argument (or "--"), so a game file may start with a dash;
  // otherwise they may come anywhere, and anything starting with a dash is one.
  bool optionsFirst = true;
  size_t maxOperands = SIZE_MAX;
  const char* stray = "unknown option";  // each command's own word for what it does not take
};

struct Args {
  bool help = false;
  std::string problem;  // a usage error; empty when the line is sound
  std::map<std::string, std::string> given;
  std::vector<std::string> operands;

  bool has(const std::string& option) const { return given.contains(option); }
  std::string value(const std::string& option) const { return has(option) ? given.at(option) : std::string(); }
  std::filesystem::path root() const { return value("--root"); }
  // The command ends here: on --help (exit 0) or on a usage error (exit 2).
  bool ended() const { return help || !problem.empty(); }
  int status() const { return help ? 0 : kExitUsage; }
};

Args parse(const Grammar& grammar, const std::vector<std::string>& args);

// "TOOL: PROBLEM" (control characters spelt out) when there is a problem, then the usage text,
// all on standard error; the usage error's exit status.
int usage(const char* tool, const std::string& problem, const std::string& text);

// The given root, or the folder the program itself uses, laid out on first use as the program
// does. Nothing when that folder cannot be made; the reason is on standard error.
inline std::optional<std::filesystem::path> programRoot(const char* tool, const std::filesystem::path& root) {
  if (!root.empty()) return root;
  try {
    return openProgramDirectory(placeOf(executableDir()));
  } catch (const DataFolderError& e) {
    std::fprintf(stderr, "%s: %s\n", tool, e.what());
    return std::nullopt;
  }
}

}  // namespace yardmark::cli
