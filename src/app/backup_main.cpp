// yardmark-backup: the whole data folder in one .zip file, without the forms. Exit 0 only when
// the archive was written and read back whole.
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "core/backup/Backup.h"
#include "core/db/ShownText.h"
#include "core/files/DataTree.h"

namespace fs = std::filesystem;
using namespace yardmark;

namespace {

using cli::kExitFailure;
using cli::kExitUsage;

volatile std::sig_atomic_t interrupted = 0;

int usage(const char* problem) {
  if (problem) std::fprintf(stderr, "yardmark-backup: %s\n", problem);
  std::fprintf(stderr,
               "usage: yardmark-backup [--root DIR] FILE.zip\n"
               "  Writes every game file, the roster and the reports of DIR/YardMark into FILE.zip,\n"
               "  replacing that file only once the new one has been read back whole.\n"
               "  DIR: the program directory, by default the one the program uses.\n");
  return kExitUsage;
}

std::string plural(size_t n, const char* one, const char* many) { return std::to_string(n) + " " + (n == 1 ? one : many); }

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  fs::path root, archive;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--help") return usage(nullptr), 0;
    if (args[i] == "--root") {
      if (++i == args.size()) return usage("--root needs a directory");
      root = args[i];
    } else if (args[i].starts_with("-") || !archive.empty()) {
      return usage(("unknown argument " + args[i]).c_str());
    } else {
      archive = args[i];
    }
  }
  if (archive.empty()) return usage("name the archive to write");
  const auto dir = cli::programRoot("yardmark-backup", root);
  if (!dir) return kExitFailure;
  // Ctrl-C stops at the next step and leaves no half-written archive behind.
  for (int sig : {SIGINT, SIGTERM}) std::signal(sig, [](int) { interrupted = 1; });
  try {
    std::error_code ec;
    const BackupReport r = backUpData(DataTree(fs::absolute(*dir, ec)), archive,
                                      [](double, const std::string&) { return interrupted == 0; });
    for (const fs::path& f : r.copiedAsIs)
      std::printf("Copied byte for byte, being no database of this version: %s\n", spellControls(f.string()).c_str());
    std::printf("Backed up %s, %s and %s to %s (%.1f MB).\n", plural(r.games, "game", "games").c_str(),
                r.roster ? "the roster" : "no roster", plural(r.reportFiles, "report file", "report files").c_str(),
                spellControls(r.archive.string()).c_str(), static_cast<double>(r.bytes) / 1e6);
    return 0;
  } catch (const BackupCancelled&) {
    std::fprintf(stderr, "yardmark-backup: interrupted; no archive was written.\n");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "yardmark-backup: %s\n", spellControls(e.what()).c_str());
  }
  return kExitFailure;
}
