// yardmark-check: the game audit over every game of some years, or of the files named, without
// the forms. One line a finding, then a summary; exit 0 without errors, 1 with errors, 2 when
// the arguments are wrong or a file cannot be read.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "core/files/DataTree.h"
#include "core/files/GameWalk.h"
#include "core/games/GameAudit.h"
#include "core/games/GameFolder.h"
#include "core/text/ShownText.h"

namespace fs = std::filesystem;
using namespace yardmark;

namespace {

using cli::kExitFailure;
using cli::kExitUsage;

// Every line that may hold a name or a path read from the disk goes out here, so that none of
// them can send the terminal a command.
void say(std::FILE* to, const std::string& line) { std::fprintf(to, "%s\n", spellControls(line).c_str()); }

int usage(const std::string& problem) {
  return cli::usage("yardmark-check", problem,
                    "usage: yardmark-check [--root DIR] [YEAR|GAMEFILE...]\n"
                    "  Checks the figures of every game of the years named (all years by default) or of the\n"
                    "  game files named, and prints one line per finding. DIR: the program directory, by\n"
                    "  default the one the program uses. Exit 0: no errors; 1: errors; 2: bad arguments or a\n"
                    "  file that cannot be read.\n");
}

bool isYear(const std::string& arg) { return !arg.empty() && arg.find_first_not_of("0123456789") == std::string::npos; }

struct YearGame {
  fs::path file;
  std::string shown;  // "2007/Game3.mdb" for a game of the tree, else as named
};

void add(const std::vector<TreeGame>& found, std::vector<YearGame>& games) {
  for (const TreeGame& g : found) games.push_back({g.file, g.year + "/" + g.file.filename().string()});
}

std::string counted(int n, const char* what) { return std::to_string(n) + " " + what + (n == 1 ? "" : "s"); }

struct Totals {
  int games = 0, errors = 0, warnings = 0, notes = 0, gamesWithErrors = 0, unreadable = 0;
};

void report(const YearGame& game, const FileAudit& audit, Totals& totals) {
  ++totals.games;
  if (audit.unreadable) {
    ++totals.unreadable;
    say(stdout, game.shown + ": unreadable: " + *audit.unreadable);
    return;
  }
  for (const Finding& f : audit.findings)
    say(stdout, game.shown + ": " + std::string(severityName(f.severity)) + ": " + f.message);
  totals.errors += audit.count(Severity::Error);
  totals.warnings += audit.count(Severity::Warning);
  totals.notes += audit.count(Severity::Note);
  if (audit.count(Severity::Error) > 0) ++totals.gamesWithErrors;
}

std::string summary(const Totals& t) {
  std::string s = "Checked " + counted(t.games, "game") + ": " + counted(t.errors, "error") + " (in " +
                  counted(t.gamesWithErrors, "game") + "), " + counted(t.warnings, "warning") + ", " +
                  counted(t.notes, "note");
  if (t.unreadable > 0) s += "; " + counted(t.unreadable, "file") + " could not be read";
  return s + ".";
}

RosterIndex roster(const DataTree& tree) {
  try {
    return RosterIndex(rosterPlayerNames(tree.rosterDatabase()));
  } catch (const std::exception& e) {
    say(stderr, std::string("yardmark-check: the roster could not be read, so names are not checked: ") + e.what());
    return {};
  }
}

}  // namespace

int main(int argc, char** argv) {
  const cli::Args line = cli::parse({}, {argv + 1, argv + argc});
  if (line.ended()) return usage(line.problem), line.status();
  const fs::path root = line.root();
  const std::vector<std::string>& args = line.operands;
  size_t i = 0;
  std::error_code ec;
  const auto dir = cli::programRoot("yardmark-check", root);
  if (!dir) return kExitFailure;
  const DataTree tree(fs::absolute(*dir, ec));
  if (!fs::is_directory(tree.dataFolder(), ec))
    return usage("there is no YardMark folder in " + tree.programDir().string());
  const fs::path gamesRoot = tree.gamesRoot();

  std::vector<YearGame> games;
  if (i == args.size()) add(gamesOfTree(tree), games);
  for (; i < args.size(); ++i) {
    if (!isYear(args[i])) {
      games.push_back({fs::absolute(args[i], ec), args[i]});
      continue;
    }
    const fs::path folder = tree.yearFolder(args[i]);
    if (!fs::is_directory(folder, ec)) return usage("there is no year folder " + args[i] + " in " + gamesRoot.string());
    add(gamesOfYear(folder), games);
  }

  const RosterIndex names = roster(tree);
  Totals totals;
  std::vector<fs::path> files;
  for (const YearGame& game : games) files.push_back(game.file);
  const std::vector<FileAudit> audits = auditGameFiles(files, names);
  for (size_t g = 0; g < games.size(); ++g) report(games[g], audits[g], totals);
  std::printf("%s\n", summary(totals).c_str());
  if (totals.unreadable > 0) return kExitUsage;
  return totals.errors > 0 ? kExitFailure : 0;
}
