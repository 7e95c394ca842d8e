// yardmark-export: sends one game where it must go, without the forms: the MaxPreps stat file or
// the newspaper's box score. Exit 0 when written, 1 when the game, the roster or the file failed
// (nothing is written then), 2 when the arguments are wrong.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "core/export/MaxPreps.h"
#include "core/export/NewspaperBox.h"
#include "core/files/DataTree.h"
#include "core/files/SafeWrite.h"
#include "core/text/ShownText.h"

namespace fs = std::filesystem;
using namespace yardmark;

namespace {

using cli::kExitFailure;

int usage(const std::string& problem) {
  return cli::usage("yardmark-export", problem,
                    "usage: yardmark-export --maxpreps [--id ID] [--root DIR] GAMEFILE [OUT]\n"
                    "       yardmark-export --box [--html] [--root DIR] GAMEFILE [OUT]\n"
                    "  --maxpreps: writes the game's MaxPreps stat file, one line per player by jersey\n"
                    "  number; ID: the school's 32-character stat supplier ID, written as the first line.\n"
                    "  Every player of the game needs his own number on the roster, or nothing is written.\n"
                    "  --box: writes the game's box score for the newspaper, as text or with --html as a page.\n"
                    "  OUT: the file to write, by default 2026_Game3_MaxPreps.txt, 2026_Game3_Box.txt or\n"
                    "  .htm in the current folder; \"-\" prints it. DIR: the program directory whose roster\n"
                    "  gives numbers and names, by default the one the program uses.\n"
                    "  Exit 0: written; 1: the game, the roster or the file failed; 2: bad arguments.\n");
}

void fail(const std::string& what) { std::fprintf(stderr, "yardmark-export: %s\n", spellControls(what).c_str()); }

int write(const fs::path& out, const std::string& text) {
  if (out == "-") {
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : kExitFailure;
  }
  replaceFile(out, [&](const fs::path& part) { writeFileBytes(part, text); });
  std::printf("Wrote %s\n", spellControls(out.string()).c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const cli::Args line =
      cli::parse({.options = {{"--maxpreps"}, {"--box"}, {"--html"}, {"--id", "the stat supplier ID"}},
                  // Options first, so that "-" (print it) is the file to write, not an option.
                  .maxOperands = 2,
                  .stray = "unknown argument"},
                 {argv + 1, argv + argc});
  if (line.ended()) return usage(line.problem), line.status();
  const bool maxPreps = line.has("--maxpreps"), box = line.has("--box");
  if (maxPreps == box) return usage("choose one of --maxpreps and --box");
  if (line.has("--html") && !box) return usage("--html goes with --box");
  if (line.has("--id") && !maxPreps) return usage("--id goes with --maxpreps");
  if (line.operands.empty()) return usage("name the game file");
  if (const std::string problem = supplierIdProblem(line.value("--id")); !problem.empty()) return usage(problem);
  const auto dir = cli::programRoot("yardmark-export", line.root());
  if (!dir) return kExitFailure;
  try {
    const Game game = readGame(line.operands[0]);
    const std::vector<RosterPlayer> roster = readRoster(DataTree(*dir).rosterDatabase());
    const bool html = line.has("--html");
    const std::string text =
        maxPreps ? maxPrepsFile(game, roster, line.value("--id")) : (html ? boxHtml : boxText)(boxScore(game, roster));
    const fs::path out = line.operands.size() > 1 ? fs::path(line.operands[1])
                         : maxPreps               ? fs::path(maxPrepsFileName(game))
                                                  : fs::path(boxFileName(game, html));
    return write(out, text);
  } catch (const std::exception& e) {
    fail(e.what());
    return kExitFailure;
  }
}
