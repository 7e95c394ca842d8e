// yardmark-backup: the whole data folder in one .zip file, and back, without the forms. Exit 0
// only when the archive was written and read back whole, or restored whole.
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "core/backup/Backup.h"
#include "core/backup/Restore.h"
#include "core/backup/RestorePlan.h"
#include "core/files/DataTree.h"
#include "core/text/ShownText.h"

namespace fs = std::filesystem;
using namespace yardmark;

namespace {

using cli::kExitFailure;

volatile std::sig_atomic_t interrupted = 0;

int usage(const std::string& problem) {
  return cli::usage("yardmark-backup", problem,
                    "usage: yardmark-backup [--root DIR] FILE.zip\n"
                    "       yardmark-backup [--root DIR] --list FILE.zip\n"
                    "       yardmark-backup [--root DIR] --restore FILE.zip [--yes]\n"
                    "  Writes every game file, the roster and the reports of DIR/YardMark into FILE.zip,\n"
                    "  replacing that file only once the new one has been read back whole.\n"
                    "  --list: what FILE.zip holds and which files restoring it would replace.\n"
                    "  --restore: puts FILE.zip's files in place, each file it replaces moved into a\n"
                    "  \"replaced\" folder first; --yes restores without asking.\n"
                    "  DIR: the program directory, by default the one the program uses.\n");
}

std::string plural(size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

// Ctrl-C asks the work to stop.
struct Interruptible : Progress {
  void step(double, const std::string&) override {}
  bool stopRequested() const override { return interrupted != 0; }
};
Interruptible keepGoing;

void printHoldings(const fs::path& archive, const BackupSummary& s, const DataTree& tree) {
  std::printf("%s\nwas made on %s and holds:\n", spellControls(archive.string()).c_str(), s.created.c_str());
  for (const auto& [year, games] : s.years)
    std::printf("    %s: %s\n", year.c_str(), plural(games, "game", "games").c_str());
  if (s.years.empty()) std::printf("    no games\n");
  if (s.keptAsIs)
    std::printf("    %s\n", plural(s.keptAsIs, "file of an earlier version", "files of an earlier version").c_str());
  std::printf("    %s\n",
              s.rosterPlayers
                  ? ("the roster: " + plural(static_cast<size_t>(*s.rosterPlayers), "player", "players")).c_str()
                  : "no roster");
  std::printf("    %s\n", plural(s.reports, "report page", "report pages").c_str());
  const std::vector<fs::path> replaced = filesReplaced(s, tree);
  std::printf(replaced.empty() ? "Restoring it would replace no file.\n" : "Restoring it would replace:\n");
  for (const fs::path& f : replaced) std::printf("    %s\n", spellControls(f.string()).c_str());
}

bool agreed() {
  std::printf("Restore it? [y/N] ");
  std::fflush(stdout);
  std::string answer;
  return std::getline(std::cin, answer) && (answer == "y" || answer == "Y" || answer == "yes");
}

int restore(const fs::path& archive, const DataTree& tree, bool listOnly, bool yes) {
  const BackupSummary s = inspectBackup(archive, &keepGoing);
  printHoldings(archive, s, tree);
  if (listOnly) return 0;
  if (!yes && !agreed()) {
    std::printf("Nothing was restored.\n");
    return kExitFailure;
  }
  const RestoreReport r = restoreBackup(archive, tree, &keepGoing);
  std::printf("%s restored.\n", plural(r.restored, "file was", "files were").c_str());
  if (!r.replacedFolder.empty())
    std::printf("The files it replaced were moved into %s\n", spellControls(r.replacedFolder.string()).c_str());
  for (const fs::path& f : r.otherReplacedFolders)
    std::printf("Files it replaced on another disk were kept in %s\n", spellControls(f.string()).c_str());
  return 0;
}

int backUp(const fs::path& archive, const DataTree& tree) {
  const BackupReport r = backUpData(tree, archive, &keepGoing);
  for (const fs::path& f : r.copiedAsIs)
    std::printf("Copied byte for byte, being no database of this version: %s\n", spellControls(f.string()).c_str());
  std::printf("Backed up %s, %s and %s to %s (%.1f MB).\n", plural(r.games, "game", "games").c_str(),
              r.roster ? "the roster" : "no roster", plural(r.reportFiles, "report file", "report files").c_str(),
              spellControls(r.archive.string()).c_str(), static_cast<double>(r.bytes) / 1e6);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const cli::Args line = cli::parse({.options = {{"--list"}, {"--restore"}, {"--yes"}},
                                     .optionsFirst = false,
                                     .maxOperands = 1,
                                     .stray = "unknown argument"},
                                    {argv + 1, argv + argc});
  if (line.ended()) return usage(line.problem), line.status();
  const fs::path root = line.root();
  const fs::path archive = line.operands.empty() ? fs::path() : fs::path(line.operands[0]);
  const bool list = line.has("--list"), restoring = line.has("--restore"), yes = line.has("--yes");
  if (archive.empty()) return usage("name the archive");
  if (list && restoring) return usage("--list and --restore do not go together");
  if (yes && !restoring) return usage("--yes goes with --restore");
  const auto dir = cli::programRoot("yardmark-backup", root);
  if (!dir) return kExitFailure;
  // Ctrl-C stops at the next step and leaves no half-written archive behind.
  for (int sig : {SIGINT, SIGTERM}) std::signal(sig, [](int) { interrupted = 1; });
  // Past a file-size limit a write fails and is told, rather than ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
  try {
    std::error_code ec;
    const DataTree tree(fs::absolute(*dir, ec));
    // A restore cut short is finished or undone before anything else reads the folder.
    if (const auto recovered = backup::finishInterruptedRestore(tree))
      std::printf("%s\n", spellControls(*recovered).c_str());
    return list || restoring ? restore(archive, tree, list, yes) : backUp(archive, tree);
  } catch (const BackupCancelled&) {
    std::fprintf(stderr, "yardmark-backup: interrupted; %s\n",
                 restoring ? "nothing was restored." : "no archive was written.");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "yardmark-backup: %s\n", spellControls(e.what()).c_str());
  }
  return kExitFailure;
}
