// yardmark-report: writes a season report from game files without the forms.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "core/files/DataTree.h"
#include "core/page/CsvExport.h"
#include "core/report/ReportGenerator.h"
#include "core/report/ReportName.h"
#include "core/text/ShownText.h"

namespace fs = std::filesystem;
using namespace yardmark;

namespace {

using cli::kExitFailure;

// The CSV file names, four to a line of the help text.
std::string csvList() {
  std::string list;
  const auto& names = csvFileNames();
  for (size_t i = 0; i < names.size(); ++i)
    list.append(i == 0 ? "" : i % 4 == 0 ? ",\n                " : ", ").append(names[i]);
  return list;
}

int usage(const std::string& problem) {
  return cli::usage("yardmark-report", problem,
                    "usage: yardmark-report [--root DIR] [--csv FOLDER] [--no-detail] NAME GAME...\n"
                    "  Merges the game files, in the order given, and writes the report NAME into\n"
                    "  DIR/YardMark/Reports (DIR: by default the executable's folder, or for an installed\n"
                    "  program the user's data folder, $XDG_DATA_HOME or ~/.local/share), and its season\n"
                    "  detail page (results, team game log, leaders, player game logs) as detail/NAME there.\n"
                    "  --csv FOLDER  also write the season's tables as CSV files into FOLDER/NAME (made\n"
                    "                when missing), replacing the set there as a whole:\n"
                    "                " +
                        csvList() +
                        "\n"
                        "  --no-detail   write no detail page\n"
                        "  Only one report is made at a time from one data folder; another run waits a few\n"
                        "  seconds for it, then gives up.\n"
                        "Exit status: 0 when the report and what was asked beside it were written (with a\n"
                        "  warning on standard error when the temporary database could not be emptied\n"
                        "  afterwards), 1 when something was not written (the message says what), 2 for a\n"
                        "  wrong command line.\n");
}

}  // namespace

int main(int argc, char** argv) {
  const cli::Args line = cli::parse({.options = {{"--csv", "a directory"}, {"--no-detail"}}}, {argv + 1, argv + argc});
  if (line.ended()) return usage(line.problem), line.status();
  const fs::path root = line.root();
  ReportExtras extras;
  extras.detailPage = !line.has("--no-detail");
  extras.csvFolder = line.value("--csv");
  const std::vector<std::string>& args = line.operands;
  if (args.empty()) return usage("no report name given");
  size_t i = 0;
  const std::string name = args[i++];
  std::vector<fs::path> games;
  std::error_code ec;
  for (; i < args.size(); ++i) games.push_back(fs::absolute(args[i], ec));
  if (games.empty()) {
    std::fprintf(stderr, "yardmark-report: Please select one/more databases in order to generate reports.\n");
    return usage("");
  }

  if (const auto problem = reportNameProblem(name)) {
    std::fprintf(stderr, "yardmark-report: %s: %s\n", spellControls(name).c_str(), problem->c_str());
    return kExitFailure;
  }
  // Refused before anything is written rather than after the report.
  if (!extras.csvFolder.empty() && fs::exists(extras.csvFolder, ec) && !fs::is_directory(extras.csvFolder, ec)) {
    std::fprintf(stderr, "yardmark-report: %s: not a folder; the CSV files need one\n", extras.csvFolder.c_str());
    return kExitFailure;
  }

  const auto dir = cli::programRoot("yardmark-report", root);
  if (!dir) return kExitFailure;
  const ReportGenerator generator{DataTree(fs::absolute(*dir, ec))};
  const ReportOutcome outcome = generator.generate(games, name, extras);
  if (!outcome.ok()) {
    std::fprintf(stderr, "yardmark-report: %s\n", spellControls(outcome.message).c_str());
    return kExitFailure;
  }
  std::printf("%s\n", spellControls(outcome.message).c_str());
  if (!outcome.warning.empty())
    std::fprintf(stderr, "yardmark-report: warning: %s\n", spellControls(outcome.warning).c_str());
  return 0;
}
