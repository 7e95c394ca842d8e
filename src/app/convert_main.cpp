// yardmark-convert: converts the files kept by the earlier version in a data folder, without
// the forms. One line a file, then a summary; exit 0 only when nothing failed.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "core/files/DataTree.h"
#include "core/jet/HelperProcess.h"
#include "core/jet/OldFiles.h"
#include "core/text/ShownText.h"

namespace fs = std::filesystem;
using namespace yardmark;

namespace {

using cli::kExitFailure;
using cli::kExitUsage;

int usage(const char* problem) {
  if (problem) std::fprintf(stderr, "yardmark-convert: %s\n", problem);
  std::fprintf(stderr,
               "usage: yardmark-convert [--root DIR] [--dry-run]\n"
               "  Converts the game files, roster, template and temporary database of DIR/YardMark kept\n"
               "  by the earlier version; each original is kept beside its new file as NAME.jet.\n"
               "  DIR: the program directory, by default the one the program uses. --dry-run: only tell.\n");
  return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  fs::path root;
  ConvertOptions options;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--help") return usage(nullptr), 0;
    if (args[i] == "--dry-run") {
      options.dryRun = true;
    } else if (args[i] == "--root") {
      if (++i == args.size()) return usage("--root needs a directory");
      root = args[i];
    } else {
      return usage(("unknown argument " + args[i]).c_str());
    }
  }
  std::error_code ec;
  const auto dir = cli::programRoot("yardmark-convert", root);
  if (!dir) return kExitFailure;
  const DataTree tree(fs::absolute(*dir, ec));
  if (!fs::is_directory(tree.resolve("\\YardMark", DataTree::Last::Folder))) {
    std::fprintf(stderr, "yardmark-convert: there is no YardMark folder in %s\n", tree.programDir().c_str());
    return kExitFailure;
  }
  const ConvertSummary summary = convertOldFiles(tree, findOldFiles(tree), options);
  for (const Conversion& c : summary.files) std::printf("%s\n", spellControls(describe(c, summary.dryRun)).c_str());
  std::printf("%s\n", summaryLine(summary).c_str());
  return summary.failed() == 0 ? 0 : kExitFailure;
}
