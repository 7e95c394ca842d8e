#pragma once
// A stand-in for the entry form that holds the five player sections over a real game file:
// it owns the eight views and the new-row flags, reloads them as the form does, and answers
// the all-sections check.
#include <QVBoxLayout>
#include <QWidget>
#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "gui/entry/PlayerSection.h"
#include "core/db/Database.h"
#include "gui/shell/App.h"

namespace yardmark::test {

class PlayerHost : public QWidget, public SectionHost, public EntrySections {
 public:
  PlayerHost(App& app, std::filesystem::path game);
  ~PlayerHost() override;

  App& app() override { return m_app; }
  Recordset& view(int table) override { return m_views.at(table); }
  void reopenView(int table, const std::string& query) override { m_views.at(table) = m_db->openRecordset(query); }
  void loadGameDB() override;
  bool& newRowPending(int table) override { return m_pending.at(table); }
  void noteSaveFailed() override { ++saveFailures; }

  SilentSave* section(EntrySection which) override;
  void selectTabs(int ssTab1, int ssTab2) override { tabs = {ssTab1, ssTab2}; }

  // What the form does when it becomes active: names, views, then each section's enable routine.
  void activate();
  PlayerSection& section(GameTable table) { return *m_sections.at(table - kRushing); }

  Database::Mode mode = Database::Mode::ReadWrite;  // ReadOnly: the engine refuses every write
  int reloads = 0;
  int saveFailures = 0;
  std::optional<std::pair<int, int>> tabs;

 private:
  App& m_app;
  std::filesystem::path m_game;
  std::optional<Database> m_db;
  std::vector<Recordset> m_views;  // gameTables, filled by loadGameDB
  std::array<bool, kGameTableCount> m_pending{};
  std::vector<PlayerSection*> m_sections;
};

// The rows of one table of a game file as text, ordinals 1 onwards.
using Rows = std::vector<std::vector<std::string>>;
Rows rowsOf(const std::filesystem::path& game, const std::string& table);
// Appends rows to one table of a game file.
void seed(const std::filesystem::path& game, const std::string& table, const Rows& rows);
// A row for the given section: numbers 1, 2, 3, ... plus first, then the name.
std::vector<std::string> rowFor(const PlayerSectionConfig& c, int first, const std::string& name);

}  // namespace yardmark::test
