#pragma once
// One player section of the form's stand-in on a fresh game file, driven as the user would.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <memory>

#include "PlayerHost.h"
#include "support/ScriptedPrompter.h"
#include "support/TempRoot.h"

namespace yardmark::test {

// One section on a fresh game file, with the form's stand-in shown and active.
class SectionFixture {
 public:
  explicit SectionFixture(const PlayerSectionConfig& c);

  PlayerSection& section() { return host->section(config.table); }
  QLineEdit* box(std::size_t i);
  QComboBox* combo();
  QAbstractButton* button(const std::string& name);
  QAbstractButton* button(const char* suffix) { return button(config.button(suffix)); }
  QAbstractButton* addNew() { return button(std::string(config.addNew)); }
  QAbstractButton* undoNew() { return button(std::string(config.undoNew)); }
  void click(QAbstractButton* b);
  // Types a row into the open boxes through the key filters.
  void type(const std::vector<std::string>& row);
  std::vector<std::string> shown();
  Rows rows() { return rowsOf(game, table); }

  // Add New, type, Save; the "Updated successfully" is answered.
  void addRow(const std::vector<std::string>& row);

  // Makes the form's stand-in, shows it active and runs its activation.
  void start();

  PlayerSection::Mode mode() { return section().mode(); }
  // What the widgets offer: Add New enabled, Undo Add New visible, Edit, Delete and the four
  // moves enabled (all alike), Save enabled, boxes and combo open (alike).
  PlayerSection::Controls controlsShown();
  QListWidget* rowsList();
  QStringList listed();  // the rows list's texts

  const PlayerSectionConfig& config;
  std::string table;
  TempRoot root;
  ScriptedPrompter prompter;
  App app{root.dir(), prompter};
  std::filesystem::path game;
  std::unique_ptr<PlayerHost> host;
};

using Mode = PlayerSection::Mode;

// Each case runs for all five sections (kAllFive).
class Sections : public testing::TestWithParam<const PlayerSectionConfig*> {
 protected:
  const PlayerSectionConfig& c = *GetParam();
  SectionFixture f{c};
  // Another section of the same form.
  const PlayerSectionConfig& other = kPlayerSections[(c.table - kRushing + 1) % kPlayerSections.size()];

  std::vector<std::string> row(int first, const std::string& name) { return rowFor(c, first, name); }
  void seedRows(int n) {
    Rows rows;
    for (int i = 1; i <= n; ++i) rows.push_back(row(10 * i, "Player " + std::string(1, char('A' + i - 1))));
    seed(f.game, f.table, rows);
  }
  QWidget* focused() { return QApplication::focusWidget(); }
};


inline const auto kAllFive = testing::Values(&kPlayerSections[0], &kPlayerSections[1], &kPlayerSections[2],
                                             &kPlayerSections[3], &kPlayerSections[4]);
inline std::string sectionName(const testing::TestParamInfo<const PlayerSectionConfig*>& info) {
  return info.param->name;
}

}  // namespace yardmark::test
