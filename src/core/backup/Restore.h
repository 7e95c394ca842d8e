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
  std::string created;                                // "YYYY-MM-DD HH:MM:SS", local time of the back-up
  std::vector<std::pair<std::string, size_t>> years;  // each year folder and its games, in reading order
  size_t games = 0;                                   // games that passed the database checks
  size_t keptAsIs = 0;                // game files that are no database of this version (an earlier version's)
  std::optional<long> rosterPlayers;  // none: the back-up holds no roster
  size_t reports = 0;                 // report pages (.htm, .html)
  size_t files = 0;                   // every file it holds
  std::vector<std::string> entries;   // every file's path in YardMark/
};

// What a back-up holds, after reading every file of it back and checking every game and the
// roster as a database of ours. Throws BackupError when it is no YardMark back-up, is damaged,
// exceeds the limits or holds a path it may not; BackupCancelled.
BackupSummary inspectBackup(const std::filesystem::path& archive, Progress* progress = nullptr);

// The coach's files that restoring the back-up would replace.
std::vector<std::filesystem::path> filesReplaced(const BackupSummary& summary, const DataTree& tree);

struct RestoreReport {
  BackupSummary summary;
  size_t restored = 0;
  // Where the files it replaced now are, under their paths in YardMark/; empty when it replaced none.
  std::filesystem::path replacedFolder;
  // Replaced files on another disk than YardMark/, kept beside their own folders.
  std::vector<std::filesystem::path> otherReplacedFolders;
  // What became of an earlier restore that was cut short, when there was one.
  std::optional<std::string> recovered;
};

// Puts the back-up's files in place below the tree's YardMark/ folder as one transaction: the
// whole archive is read, checked and staged beside each file's final place first; every game it
// replaces is locked; a plan of every move is written; then each file it replaces (and the
// journal SQLite may keep beside it) is moved into "YardMark/replaced YYYY-MM-DD HHMMSS/" and
// each staged file renamed into place. Should a move fail, the moves done are undone. Throws
// BackupError or BackupCancelled, leaving the folder as it was unless the message says otherwise.
RestoreReport restoreBackup(const std::filesystem::path& archive, const DataTree& tree, Progress* progress = nullptr,
                            std::chrono::system_clock::time_point now = std::chrono::system_clock::now());

}  // namespace yardmark
