#pragma once
// Reading a back-up made by backUpData: what it holds, and putting its files back in place
// without losing any file it replaces.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/backup/Backup.h"
#include "core/files/DataTree.h"

namespace yardmark {

struct BackupSummary {
  std::string created;                                  // "YYYY-MM-DD HH:MM:SS", local time of the back-up
  std::vector<std::pair<std::string, size_t>> years;  // each year folder and its games, in reading order
  size_t games = 0;
  std::optional<long> rosterPlayers;  // none: the back-up holds no roster
  size_t reports = 0;                 // report pages (.htm, .html)
  size_t files = 0;                   // every file it holds
};

// What a back-up holds, after reading every file of it back. Throws BackupError when it is no
// YardMark back-up, is damaged, or holds a path that leaves the data folder; BackupCancelled.
BackupSummary inspectBackup(const std::filesystem::path& archive, const BackupProgress& progress = {});

struct RestoreReport {
  BackupSummary summary;
  size_t restored = 0;
  // Where the files it replaced now are, under their paths in YardMark/; empty when it replaced none.
  std::filesystem::path replacedFolder;
};

// Puts the back-up's files in place below the tree's YardMark/ folder. Every file it would
// replace (and the journal SQLite may keep beside it) is first moved into
// "YardMark/replaced YYYY-MM-DD HHMMSS/". The whole archive is read and checked before anything
// is touched; should a move fail half-way, the moves done are undone. Throws BackupError or
// BackupCancelled, leaving the folder as it was.
RestoreReport restoreBackup(const std::filesystem::path& archive, const DataTree& tree,
                            const BackupProgress& progress = {},
                            std::chrono::system_clock::time_point now = std::chrono::system_clock::now());

}  // namespace yardmark
