#pragma once
// One .zip file holding all of a coach's data: every game file, the roster and the reports
// folder, under their paths in YardMark/. Written, read back and checked, then given its name.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/files/DataTree.h"
#include "core/jet/Progress.h"
#include "core/text/Failure.h"

namespace yardmark {

// Why a back-up or a restore failed, as one message for the user. Nothing was changed.
class BackupError : public Failure {
 public:
  explicit BackupError(std::string reason) : Failure(FailureKind::Backup, std::move(reason)) {}
};

// The progress asked to stop. Nothing was changed.
class BackupCancelled : public Failure {
 public:
  BackupCancelled() : Failure(FailureKind::Cancelled, "Cancelled.") {}
};

struct BackupReport {
  std::filesystem::path archive;
  size_t games = 0;
  bool roster = false;
  size_t reportFiles = 0;  // pages, detail pages and the style sheet
  // Game files that are no database of ours (an earlier version's file, a damaged one): kept
  // byte for byte, since they are the user's all the same.
  std::vector<std::filesystem::path> copiedAsIs;
  std::uintmax_t bytes = 0;  // the archive's size
};

// Backs up the data folder of the tree into `archive`, replacing a file of that name only once
// the new one has been written and checked. Each database is copied through SQLite's online
// backup, so a game open elsewhere, even mid-transaction, is copied as last committed; every
// file is streamed into the archive, so memory stays small whatever the data's size. A target
// that exists and is no regular file, or lies in the data folder by any path (a link, a bind
// mount), is refused before anything is written. Part files a killed back-up left beside the
// target over a minute ago are removed. Throws BackupError or BackupCancelled; either leaves no
// file behind.
BackupReport backUpData(const DataTree& tree, const std::filesystem::path& archive, Progress* progress = nullptr);

// "YardMark backup YYYY-MM-DD.zip" for the day of `when`, local time.
std::string defaultBackupName(std::chrono::system_clock::time_point when);

}  // namespace yardmark
