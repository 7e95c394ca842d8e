#include "core/report/ReportGenerator.h"

#include <sys/stat.h>

#include <optional>

#include "core/db/Database.h"
#include "core/db/Value.h"
#include "core/files/SafeWrite.h"
#include "core/page/CsvExport.h"
#include "core/page/DetailPage.h"
#include "core/page/ReportHTML.h"
#include "core/report/Consolidator.h"
#include "core/report/ReportName.h"
#include "core/report/RunLock.h"

namespace yardmark {

namespace fs = std::filesystem;

namespace {

ReportOutcome failure(ReportOutcome::Status status, std::string file, std::string message) {
  ReportOutcome o;
  o.status = status;
  o.file = std::move(file);
  o.message = std::move(message);
  o.boxText = o.message;
  return o;
}

// Builds the page from the temporary database, read once, and writes it.
HtmlWriteResult buildAndWrite(const DataTree& tree, const std::string& reportName) {
  const ReportSeason season = readReportSeason(tree.tmpDatabase());
  ReportHTML html;
  html.setWebDirectory((tree.reportsFolder() / "").string());
  html.setWebFilename(reportName);
  html.CreateReport(season);
  return html.UpdateHTMLFile();
}

// What the written page means for the run. A page that was written is a success; when the
// temporary database could not be emptied afterwards, that is said beside it, not instead.
ReportOutcome outcomeOf(const HtmlWriteResult& written, const std::string& reportName,
                        const std::optional<ReportOutcome>& notEmptied) {
  ReportOutcome o;
  switch (written.status) {
    case HtmlWriteResult::Status::FolderMissing:
      o.status = ReportOutcome::Status::FolderMissing;
      o.message =
          "Cannot write the report '" + reportName + "': the reports folder '" + written.file + "' does not exist.";
      break;
    case HtmlWriteResult::Status::WriteFailed:
      o.status = ReportOutcome::Status::WriteFailed;
      o.message = "Cannot write the report '" + written.file + "': " + written.errorMessage + ".";
      break;
    case HtmlWriteResult::Status::NothingToWrite:  // no page was built: nothing was made
      return failure(ReportOutcome::Status::WriteFailed, reportName,
                     "Cannot write the report '" + reportName + "': no page was made.");
    case HtmlWriteResult::Status::Written:
      o.status = ReportOutcome::Status::Created;
      o.boxText = createdText(reportName);
      o.message = o.boxText;
      o.file = written.file;
      if (notEmptied)
        o.warning = "The report " + reportName +
                    " was written, but the temporary database could not be emptied "
                    "afterwards; the next report empties it first. " +
                    notEmptied->message;
      return o;
  }
  o.boxText = written.boxText;
  o.boxTitle = written.boxTitle;
  o.file = written.file;
  return o;
}

// The detail page and the CSV files, from the games as read and merged for the report page.
std::optional<ReportOutcome> writeExtras(const DataTree& tree, const std::string& reportName,
                                         const std::vector<fs::path>& games, const SeasonDetail& detail,
                                         const ReportExtras& extras) {
  if (!extras.detailPage && extras.csvFolder.empty()) return std::nullopt;
  const std::string written = "The report " + reportName + " was written, but not ";
  try {
    if (extras.detailPage) writeDetailPage(tree.reportsFolder(), reportName, detail, games);
  } catch (const WriteError& e) {
    return failure(ReportOutcome::Status::DetailFailed, e.file().string(),
                   written + "its detail page " + e.what() + ".");
  }
  try {
    if (!extras.csvFolder.empty()) writeSeasonCsv(extras.csvFolder, reportName, detail);
  } catch (const WriteError& e) {
    return failure(ReportOutcome::Status::DetailFailed, e.file().string(), written + "the CSV files " + e.what() + ".");
  }
  return std::nullopt;
}

// Resolved as the data folder's own paths are: by letter case, links and "..".
fs::path resolved(const fs::path& file) {
  std::error_code ec;
  const fs::path real = fs::weakly_canonical(fs::absolute(file, ec), ec);
  return findPathCaseInsensitive(ec ? file : real);
}

// The two files of the data folder that are no games, known once for every game checked. A game
// that exists is told by its identity on disk (one stat, links and ".." included); a spelling
// that names no file as written is resolved by letter case as the data folder's paths are.
class NotGames {
 public:
  explicit NotGames(const DataTree& tree) : m_tmp(known(tree.tmpDatabase())), m_master(known(tree.masterTemplate())) {}
  std::optional<std::string> why(const fs::path& file) const {
    struct stat st {};
    const bool exists = ::stat(file.c_str(), &st) == 0;
    const auto is = [&](const Known& k) {
      return exists ? k.exists && st.st_dev == k.dev && st.st_ino == k.ino : resolved(file) == k.real;
    };
    if (is(m_tmp)) return "it is the temporary database the reports are made in, not a game.";
    if (is(m_master)) return "it is the master template new games are made from, not a game.";
    return std::nullopt;
  }

 private:
  struct Known {
    fs::path real;
    bool exists = false;
    dev_t dev = 0;
    ino_t ino = 0;
  };
  static Known known(const fs::path& file) {
    Known k{resolved(file)};
    struct stat st {};
    if (::stat(k.real.c_str(), &st) == 0) k = {k.real, true, st.st_dev, st.st_ino};
    return k;
  }
  Known m_tmp, m_master;
};

}  // namespace

std::optional<std::string> notAGame(const DataTree& tree, const fs::path& file) { return NotGames(tree).why(file); }

std::string createdText(const std::string& reportName) {
  return "Report has successfully been created named " + reportName;
}

ReportGenerator::ReportGenerator(DataTree tree) : m_tree(std::move(tree)) {}

ReportOutcome ReportGenerator::generate(const std::vector<fs::path>& games, const std::string& reportName,
                                        const ReportExtras& extras) const {
  if (games.empty())
    return failure(ReportOutcome::Status::NoGames, "",
                   "Please select one/more databases in order to generate reports.");
  if (const auto problem = reportNameProblem(reportName))
    return failure(ReportOutcome::Status::BadName, reportName, *problem);
  // Merging the temporary database into itself would empty it first: refused before any write.
  const NotGames notGames(m_tree);
  for (const fs::path& game : games)
    if (const auto why = notGames.why(game))
      return failure(ReportOutcome::Status::GameFailed, game.string(),
                     "Cannot use the game file '" + game.string() + "': " + *why);

  // Held from the first emptying to the last, so that no other run empties or adds to our rows.
  const RunLock lock(m_tree.tmpDatabase(), kLockWait);
  if (lock.state() == RunLock::State::Busy)
    return failure(ReportOutcome::Status::Busy, m_tree.tmpDatabase().string(),
                   "A report is being made elsewhere (in another YardMark window or by yardmark-report), which "
                   "holds the temporary database '" +
                       m_tree.tmpDatabase().string() +
                       "'. No report was written; please try again when it has finished.");
  if (lock.state() == RunLock::State::Failed)
    return failure(ReportOutcome::Status::TmpDatabaseFailed, RunLock::lockFile(m_tree.tmpDatabase()).string(),
                   lock.reason());
  return run(games, reportName, extras);
}

ReportOutcome ReportGenerator::run(const std::vector<fs::path>& games, const std::string& reportName,
                                   const ReportExtras& extras) const {
  const Consolidator merge(m_tree.tmpDatabase(), m_tree.masterTemplate());
  const auto emptyTmp = [&]() -> std::optional<ReportOutcome> {
    try {
      merge.deletTmpDatabase();
      return std::nullopt;
    } catch (const MergeError& e) {
      return failure(ReportOutcome::Status::TmpDatabaseFailed, e.file().string(), e.reason());
    }
  };

  // Emptied first as well, so rows left by an interrupted run never take part.
  try {
    merge.ensureTmpDatabase();
  } catch (const MergeError& e) {
    return failure(ReportOutcome::Status::TmpDatabaseFailed, e.file().string(), e.reason());
  }
  if (auto failed = emptyTmp()) return *failed;
  // Game by game only when a page beside the report shows the season so.
  SeasonDetail season;
  try {
    season = buildSeasonDetail(games, extras.detailPage || !extras.csvFolder.empty());
    merge.writeConsolidated(season.merged);
  } catch (const MergeError& e) {
    emptyTmp();
    const bool game = e.file() != m_tree.tmpDatabase();
    return failure(game ? ReportOutcome::Status::GameFailed : ReportOutcome::Status::TmpDatabaseFailed,
                   e.file().string(),
                   game ? "Cannot use the game file '" + e.file().string() + "': " + e.reason() : e.reason());
  }

  HtmlWriteResult written;
  try {
    written = buildAndWrite(m_tree, reportName);
  } catch (const DbError& e) {
    emptyTmp();
    return failure(ReportOutcome::Status::TmpDatabaseFailed, m_tree.tmpDatabase().string(),
                   "Cannot read the temporary database: " + e.description());
  }
  const std::optional<ReportOutcome> notEmptied = emptyTmp();
  ReportOutcome outcome = outcomeOf(written, reportName, notEmptied);
  if (!outcome.ok()) return outcome;
  if (auto failed = writeExtras(m_tree, reportName, games, season, extras)) {
    failed->warning = outcome.warning;
    return *failed;
  }
  return outcome;
}

}  // namespace yardmark
