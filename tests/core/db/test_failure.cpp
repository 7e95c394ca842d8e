// Every thrown type is one Failure: a caller that catches Failure gets the kind, the file and
// the very message the type has always given.
#include <gtest/gtest.h>

#include <functional>

#include "core/backup/Backup.h"
#include "core/db/DbError.h"
#include "core/files/DataFolder.h"
#include "core/files/SafeWrite.h"
#include "core/jet/JetFile.h"
#include "core/roster/SpreadsheetRoster.h"
#include "core/season/Season.h"
#include "core/text/Csv.h"

namespace yardmark {
namespace {

TEST(Failure, EachTypeIsCaughtAsOneFailureWithItsMessage) {
  const std::tuple<std::function<void()>, FailureKind, std::string, std::string> rows[] = {
      // kind, file, message
      {[] { throw DbError(dberr::FileNotFound, "Could not find file 'g.mdb'."); }, FailureKind::Database, "",
       "Could not find file 'g.mdb'."},
      {[] { throw WriteError("r/a.htm", "Disk full"); }, FailureKind::Write, "r/a.htm", "'r/a.htm': Disk full"},
      {[] { throw DataFolderError("no home"); }, FailureKind::DataFolder, "", "no home"},
      {[] { throw JetError("helper gone", JetError::Cause::Crashed); }, FailureKind::Jet, "", "helper gone"},
      {[] { throw csv::TooLarge(3, "too many"); }, FailureKind::Csv, "", "too many"},
      {[] { throw SpreadsheetError("t.csv", 4, "no name"); }, FailureKind::Spreadsheet, "t.csv",
       "t.csv, line 4: no name."},
      {[] { throw SpreadsheetError("t.csv", 0, "empty"); }, FailureKind::Spreadsheet, "t.csv", "t.csv: empty."},
      {[] { throw BackupError("no room"); }, FailureKind::Backup, "", "no room"},
      {[] { throw BackupCancelled(); }, FailureKind::Cancelled, "", "Cancelled."},
      {[] { throw MergeError("g.mdb", "not a game"); }, FailureKind::Merge, "g.mdb", "not a game"},
  };
  for (const auto& [raise, kind, file, what] : rows) {
    try {
      raise();
      ADD_FAILURE() << what << ": nothing thrown";
    } catch (const Failure& f) {
      EXPECT_EQ(std::tuple(f.kind(), f.file().string(), std::string(f.what())), std::tuple(kind, file, what));
    }
  }
}

}  // namespace
}  // namespace yardmark
