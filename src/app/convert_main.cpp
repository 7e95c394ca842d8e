// yardmark-convert: converts the files kept by the earlier version in a data folder, without
// the forms. One line a file, then a summary; exit 0 only when nothing failed.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "core/convert/OldFiles.h"
#include "core/files/DataTree.h"
#include "core/jet/HelperProcess.h"
#include "core/text/ShownText.h"

namespace fs = std::filesystem;
using namespace yardmark;

namespace {

using cli::kExitFailure;

int usage(const std::string& problem) {
  return cli::usage("yardmark-convert", problem,
                    "usage: yardmark-convert [--root DIR] [--dry-run]\n"
                    "  Converts the game files, roster, template and temporary database of DIR/YardMark kept\n"
                    "  by the earlier version; each original is kept beside its new file as NAME.jet.\n"
                    "  DIR: the program directory, by default the one the program uses. --dry-run: only tell.\n");
}

}  // namespace

int main(int argc, char** argv) {
  const cli::Args line =
      cli::parse({.options = {{"--dry-run"}}, .optionsFirst = false, .maxOperands = 0, .stray = "unknown argument"},
                 {argv + 1, argv + argc});
  if (line.ended()) return usage(line.problem), line.status();
  const fs::path root = line.root();
  ConvertOptions options;
  options.dryRun = line.has("--dry-run");
  std::error_code ec;
  const auto dir = cli::programRoot("yardmark-convert", root);
  if (!dir) return kExitFailure;
  const DataTree tree(fs::absolute(*dir, ec));
  if (!fs::is_directory(tree.dataFolder())) {
    std::fprintf(stderr, "yardmark-convert: there is no YardMark folder in %s\n", tree.programDir().c_str());
    return kExitFailure;
  }
  const ConvertSummary summary = convertOldFiles(tree, findOldFiles(tree), options);
  for (const Conversion& c : summary.files) std::printf("%s\n", spellControls(describe(c, summary.dryRun)).c_str());
  std::printf("%s\n", summaryLine(summary).c_str());
  return summary.failed() == 0 ? 0 : kExitFailure;
}
