#pragma once
// One player-statistics section of the entry form: a row of number boxes and a player name,
// moved through one row of the section's table at a time, with Add New / Undo, Edit, Delete
// and Save. The same engine serves all five sections; PlayerSections says what differs.
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "gui/entry/PlayerSections.h"
#include "gui/entry/Section.h"

namespace yardmark {

class PlayerSection : public QWidget, public Section {
  Q_OBJECT
 public:
  // A silent save leaves Add New closed until Save, Undo Add New or a delete, so that the
  // all-sections check keeps visiting the section; Undo Add New stays shown after an add.
  enum class Mode { Empty, Browsing, Adding, Editing, AddSavedSilently, EditSavedSilently };

  // What each mode offers.
  struct Controls {
    bool addNew;       // Add New enabled
    bool undoVisible;  // Undo Add New shown
    bool moves;        // Edit, Delete, First, Previous, Next and Last enabled
    bool save;         // Save enabled
    bool boxes;        // the number boxes and the name open for typing
    bool rowsList;     // the list of the table's rows open for clicking
    bool operator==(const Controls&) const = default;
  };
  static constexpr Controls controlsIn(Mode mode);

  PlayerSection(SectionHost& host, const PlayerSectionConfig& config, QWidget* parent = nullptr);

  const PlayerSectionConfig& config() const { return m_config; }
  QComboBox* nameCombo() const { return m_w.combo; }
  Mode mode() const { return m_mode; }

  // On activation: the enable routine, except while an add or an edit is under way, whose
  // typing and buttons are kept.
  void enable() override;
  // The silent save of the all-sections check (cmdruSaveUpdate and its kin).
  void saveSilently() override;
  bool needsSilentSave() const override;

  // displayRushing and its kin: the view's current row into the boxes.
  void display();
  // Shows the row with this key, as the move buttons would; refused (false, the user told why)
  // while the moves are closed, during an add or an edit.
  bool showRow(std::int64_t bookmark);

 private:
  void setMode(Mode mode);
  // enableRushing and its kin: with rows, show the last one. Browsing or Empty by what is left.
  void showLastRow();
  Mode browsingOrEmpty() const { return hasRows() ? Mode::Browsing : Mode::Empty; }

  void jump(bool toLast);         // First, Last
  void moveTo(std::int64_t key);  // a click in the rows list
  // The rows list: every row of the view in stored order, the shown one highlighted.
  void listRows();
  void step(bool forward);  // Next, Previous
  void addNew();
  void undoNew();
  void edit();
  void remove();
  void save();

  Recordset& view() const;
  bool& adding() const;
  bool hasRows() const;
  bool anyBoxEmpty() const;
  // Back on the row the boxes show: another section's save may have reopened every view.
  void backOnShownRow();
  // Adds or edits the row and writes the boxes into it; false once the user was told why not.
  bool writeRow();
  // Runs a step; a database failure is told with its reason and changes nothing more.
  bool guarded(const char* failure, const std::function<void()>& step);

  // The game the form stands for (it may be shown again for another game).
  QString currentGame() const;
  void clearBoxes();

  SectionHost& m_host;
  const PlayerSectionConfig& m_config;
  PlayerSectionWidgets m_w;
  Mode m_mode = Mode::Empty;
  // Key of the row the boxes show; an edit writes that row, wherever the view stands.
  std::optional<std::int64_t> m_shown;
  // The game the section last showed: typing for one game never goes into another.
  QString m_game;
};

// In Mode order.
inline constexpr std::array<PlayerSection::Controls, 6> kPlayerSectionModes{{
    // addNew undoVisible moves  save   boxes  rowsList
    {true, false, false, false, false, false},  // Empty
    {true, false, true, false, false, true},    // Browsing
    {false, true, false, true, true, false},    // Adding
    {false, false, false, true, true, false},   // Editing
    {false, true, true, false, false, true},    // AddSavedSilently
    {false, false, true, false, false, true},   // EditSavedSilently
}};

constexpr PlayerSection::Controls PlayerSection::controlsIn(Mode mode) {
  return kPlayerSectionModes[static_cast<std::size_t>(mode)];
}

}  // namespace yardmark
