#pragma once
// Merges chosen game files into the temporary database: game information rows collected,
// quarter scores and team statistics summed into one row each, player rows summed per name.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/report/Season.h"

namespace yardmark {

// A merge step that failed: the file concerned and why.
class MergeError : public std::runtime_error {
public:
  MergeError(std::filesystem::path file, std::string reason)
      : std::runtime_error(reason), m_file(std::move(file)), m_reason(std::move(reason)) {}
  const std::filesystem::path& file() const { return m_file; }
  const std::string& reason() const { return m_reason; }

private:
  std::filesystem::path m_file;
  std::string m_reason;
};

// The merged rows of the eight tables, in GameTable order, as the temporary database gets them.
using MergedTables = std::array<std::vector<DataRow>, kGameTableCount>;

// The merge of games already read, in list order; pure, so the detail page and the CSV files
// show exactly the figures of the report page.
MergedTables mergeGames(const std::vector<GameRecord>& games);

class Consolidator {
public:
  Consolidator(std::filesystem::path tmpDatabase, std::filesystem::path masterTemplate);

  // Makes the temporary database from the master template when it is missing.
  void ensureTmpDatabase() const;

  // Merges the games, in list order, into the temporary database, which the caller has
  // emptied. Game files are only read. Nothing is written unless every game could be read.
  void createConsolidated(const std::vector<std::filesystem::path>& games) const;
  // The same for games already read; returns what it wrote.
  MergedTables createConsolidated(const std::vector<GameRecord>& games) const;

  // Empties all eight tables of the temporary database.
  void deletTmpDatabase() const;

  const std::filesystem::path& tmpDatabase() const { return m_tmp; }

private:
  std::filesystem::path m_tmp;
  std::filesystem::path m_master;
};

}  // namespace yardmark
