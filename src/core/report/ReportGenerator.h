#pragma once
// The generation of a season report: merge the chosen games into the temporary database,
// build and write the page, empty the temporary database again. The caller shows the outcome.
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/DataTree.h"

namespace yardmark {

struct ReportOutcome {
  // DetailFailed: the report was written, its detail page or the CSV files were not.
  enum class Status {
    Created,
    NoGames,
    BadName,
    Busy,
    GameFailed,
    TmpDatabaseFailed,
    FolderMissing,
    WriteFailed,
    DetailFailed
  };
  Status status = Status::Created;
  // The message box a form shows; an empty title means the application title.
  std::string boxText;
  std::string boxTitle;
  // The file concerned and why, in one sentence for the command line.
  std::string file;
  std::string message;
  // With a report written: a trouble afterwards, to be told after the success, never instead of it.
  std::string warning;
  bool ok() const { return status == Status::Created; }
};

// The text that tells a report was written.
std::string createdText(const std::string& reportName);

// What is written beside the report page.
struct ReportExtras {
  bool detailPage = true;                // Reports/detail/NAME
  std::filesystem::path csvFolder = {};  // the season's CSV files; none when empty
};

// Why a file given as a game is none of the games: the temporary database or the master
// template, found by path whatever its spelling; nothing for any other file.
std::optional<std::string> notAGame(const DataTree& tree, const std::filesystem::path& file);

class ReportGenerator {
 public:
  explicit ReportGenerator(DataTree tree);

  // Writes the report named reportName into the reports folder from the games, in order.
  // On any failure no report is written and the temporary database is left empty. While another
  // run holds the temporary database this waits a few seconds, then gives up with Busy and
  // leaves that run's rows alone.
  ReportOutcome generate(const std::vector<std::filesystem::path>& games, const std::string& reportName,
                         const ReportExtras& extras = {}) const;

 private:
  static constexpr std::chrono::milliseconds kLockWait{5000};
  ReportOutcome run(const std::vector<std::filesystem::path>& games, const std::string& reportName,
                    const ReportExtras& extras) const;

  DataTree m_tree;
};

}  // namespace yardmark
