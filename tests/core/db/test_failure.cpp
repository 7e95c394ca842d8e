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
  struct Row {
    std::function<void()> raise;
    FailureKind kind;
    std::string file;
    std::string what;
  };
  const Row rows[] = {
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
  for (const Row& row : rows) {
    try {
      row.raise();
      ADD_FAILURE() << row.what << ": nothing thrown";
    } catch (const Failure& f) {
      EXPECT_EQ(f.kind(), row.kind) << row.what;
      EXPECT_EQ(f.file().string(), row.file) << row.what;
      EXPECT_EQ(std::string(f.what()), row.what);
    }
  }
}

}  // namespace
}  // namespace yardmark
