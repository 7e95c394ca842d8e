// Every thrown type is one Failure: a caller that catches Failure gets the kind, the file and
// the very message the type has always given.
#include <gtest/gtest.h>

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

// Seen only as the Failure it is.
void expectFailure(const Failure& f, FailureKind kind, const std::string& file, const std::string& what) {
  EXPECT_EQ(std::tuple(f.kind(), f.file().string(), std::string(f.what())), std::tuple(kind, file, what));
}

TEST(Failure, EachTypeIsCaughtAsOneFailureWithItsMessage) {
  expectFailure(DbError(dberr::FileNotFound, "Could not find file 'g.mdb'."), FailureKind::Database, "",
                "Could not find file 'g.mdb'.");
  expectFailure(WriteError("r/a.htm", "Disk full"), FailureKind::Write, "r/a.htm", "'r/a.htm': Disk full");
  expectFailure(DataFolderError("no home"), FailureKind::DataFolder, "", "no home");
  expectFailure(JetError("helper gone", JetError::Cause::Crashed), FailureKind::Jet, "", "helper gone");
  expectFailure(csv::TooLarge(3, "too many"), FailureKind::Csv, "", "too many");
  expectFailure(SpreadsheetError("t.csv", 4, "no name"), FailureKind::Spreadsheet, "t.csv", "t.csv, line 4: no name.");
  expectFailure(SpreadsheetError("t.csv", 0, "empty"), FailureKind::Spreadsheet, "t.csv", "t.csv: empty.");
  expectFailure(BackupError("no room"), FailureKind::Backup, "", "no room");
  expectFailure(BackupCancelled(), FailureKind::Cancelled, "", "Cancelled.");
  expectFailure(MergeError("g.mdb", "not a game"), FailureKind::Merge, "g.mdb", "not a game");
}

}  // namespace
}  // namespace yardmark
