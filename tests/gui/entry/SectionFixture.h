#pragma once
// One player section of the form's stand-in on a fresh game file, driven as the user would.
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
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

  // The section's state as the user sees it: Add New enabled, Undo Add New visible, Edit,
  // Delete and the four moves enabled (all alike), Save enabled, boxes and combo open (alike).
  struct State {
    bool addNew, undoVisible, moves, save, boxes;
    bool operator==(const State&) const = default;
  };
  State state();

  const PlayerSectionConfig& config;
  std::string table;
  TempRoot root;
  ScriptedPrompter prompter;
  App app{root.dir(), prompter};
  std::filesystem::path game;
  std::unique_ptr<PlayerHost> host;
};

void PrintTo(const SectionFixture::State& s, std::ostream* os);

inline constexpr SectionFixture::State kEmpty{true, false, false, false, false};
inline constexpr SectionFixture::State kBrowsing{true, false, true, false, false};
inline constexpr SectionFixture::State kAdding{false, true, false, true, true};
inline constexpr SectionFixture::State kEditing{false, false, false, true, true};

}  // namespace yardmark::test
