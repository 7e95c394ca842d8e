#pragma once
// A restore as a transaction: before its first move the restore writes down every move it will
// make, flushed to the disk. Whoever starts next (the program, yardmark-backup, another restore)
// and finds that plan finishes it when every staged file is whole, else puts everything back,
// so a kill at any moment leaves either the coach's folder or the archive's, never a mix.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "core/files/DataTree.h"

namespace yardmark::backup {

struct PlannedMove {
  std::filesystem::path from, to;
  std::uint64_t size = 0;  // a staged file's size, to tell it whole
};

struct RestorePlan {
  // Written before the first file is staged: only these exist, and are simply removed again.
  std::vector<std::filesystem::path> madeFolders;  // removed again when rolled back, if empty
  std::vector<std::filesystem::path> stagingFolders;
  // Written once every file is staged and flushed.
  bool staged = false;
  std::vector<std::filesystem::path> replacedFolders;  // where the coach's files go
  std::vector<PlannedMove> aside;                      // the coach's file into a replaced folder
  std::vector<PlannedMove> place;                      // a staged file into its final place
};

std::filesystem::path planFile(const std::filesystem::path& yardmark);
// Written under another name, flushed and renamed, so a reader sees one whole plan or none.
void writePlan(const std::filesystem::path& file, const RestorePlan& plan);
// Throws BackupError when it cannot be read.
RestorePlan readPlan(const std::filesystem::path& file);

// Every rename of a restore goes through here; a test puts a failing one in its place.
using Rename = std::function<std::error_code(const std::filesystem::path& from, const std::filesystem::path& to)>;
Rename& renameSeam();

// Counts the restore's steps; with YARDMARK_STOP_AT_STEP=N in the environment the process ends
// at once at the Nth step, as a kill would end it.
void stepDone();

// Makes the moves not made yet, coach's files first. Throws BackupError on the first failure.
void carryOut(const RestorePlan& plan);
// Undoes the moves made, newest first, and removes what the restore made. Returns the files that
// could not be put back, each as "where it is (belongs at where)"; empty when all were.
std::vector<std::string> rollBack(const RestorePlan& plan);
// Removes the staging folders and the plan itself.
void discardPlan(const std::filesystem::path& file, const RestorePlan& plan);

// Finishes or undoes a restore a kill cut short, and says which; nothing when there was none.
// Throws BackupError when the files cannot be put back, saying where each is.
std::optional<std::string> finishInterruptedRestore(const DataTree& tree);

}  // namespace yardmark::backup
