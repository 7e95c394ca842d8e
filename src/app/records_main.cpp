// yardmark-records: the records book of every game of every year folder, without the forms.
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "core/export/RecordsCsv.h"
#include "core/files/DataTree.h"
#include "core/page/RecordsPage.h"
#include "core/text/ShownText.h"

namespace fs = std::filesystem;
using namespace yardmark;

namespace {

using cli::kExitFailure;

int usage(const std::string& problem) {
  return cli::usage(
      "yardmark-records", problem,
      "usage: yardmark-records [--root DIR] [--csv FOLDER] [--season-minimum N] [--career-minimum N] [OUT]\n"
      "  Reads every game of every year folder and writes the records book: the seasons side by\n"
      "  side with their charts, the team and individual records, and every career. OUT: the page,\n"
      "  by default DIR/YardMark/Reports/records/index.htm (DIR: by default the executable's\n"
      "  folder, or for an installed program the user's data folder); the charts are SVG files\n"
      "  beside it. Another folder of Reports keeps the page's style sheet.\n"
      "  --csv FOLDER          also write seasons.csv, team_records.csv, individual_records.csv\n"
      "                        and careers.csv into FOLDER (made when missing)\n"
      "  --season-minimum N    carries or attempts a season needs for yards per carry and\n"
      "                        completion percentage (default 100)\n"
      "  --career-minimum N    the same for a career (default 200)\n"
      "  Every file is written, or none. A game that cannot be read is left out and named.\n"
      "Exit status: 0 when the book was written (with a warning on standard error for each game\n"
      "  left out), 1 when it was not (the message says why), 2 for a wrong command line.\n");
}

// A minimum as given: a whole number of carries or attempts, 0 or more.
bool minimumOf(const cli::Args& line, const std::string& option, double& into) {
  if (!line.has(option)) return true;
  const std::string text = line.value(option);
  long n = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (ec != std::errc{} || end != text.data() + text.size() || n < 0) return false;
  into = static_cast<double>(n);
  return true;
}

void warn(const std::string& text) { std::fprintf(stderr, "yardmark-records: %s\n", spellControls(text).c_str()); }

}  // namespace

int main(int argc, char** argv) {
  const cli::Args line = cli::parse(
      {.options = {{"--csv", "a directory"}, {"--season-minimum", "a number"}, {"--career-minimum", "a number"}},
       .maxOperands = 1},
      {argv + 1, argv + argc});
  if (line.ended()) return usage(line.problem), line.status();
  RecordsSettings settings;
  for (const auto& [option, into] :
       {std::pair{"--season-minimum", &settings.seasonMinimum}, std::pair{"--career-minimum", &settings.careerMinimum}})
    if (!minimumOf(line, option, *into)) return usage(std::string(option) + " needs a whole number, 0 or more");

  std::error_code ec;
  const auto dir = cli::programRoot("yardmark-records", line.root());
  if (!dir) return kExitFailure;
  const DataTree tree(fs::absolute(*dir, ec));
  if (!fs::is_directory(tree.dataFolder(), ec))
    return usage("there is no YardMark folder in " + tree.programDir().string());
  const std::vector<YearGames> years = yearsOfTree(tree);
  if (years.empty()) {
    warn("there are no games in " + tree.gamesRoot().string() + ", so there is no book to write");
    return kExitFailure;
  }
  const fs::path page = line.operands.empty() ? recordsFolderOf(tree.reportsFolder()) / kRecordsPage
                                              : fs::absolute(line.operands.front(), ec);
  const RecordsBook book = buildRecordsBook(years, settings);
  try {
    std::vector<FileContent> files = recordsPageFiles(page, book);
    makeFolder(page.parent_path());
    if (line.has("--csv")) {
      const fs::path csv = fs::absolute(line.value("--csv"), ec);
      makeFolder(csv);
      for (FileContent& f : recordsCsvFiles(csv, book)) files.push_back(std::move(f));
    }
    writeFilesSafely(files);
  } catch (const WriteError& e) {
    warn(std::string("the records book was not written: ") + e.what());
    return kExitFailure;
  }
  for (const SkippedGame& g : book.skipped) warn("warning: left out " + g.file.string() + ": " + g.reason);
  size_t games = 0;
  for (const SeasonLine& s : book.seasons) games += static_cast<size_t>(s.games);
  std::printf("%s\n", spellControls("Wrote " + page.string() + " (" + std::to_string(games) + " games in " +
                                    std::to_string(book.seasons.size()) + " seasons).")
                          .c_str());
  return 0;
}
