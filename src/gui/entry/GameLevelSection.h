#pragma once
// The Edit / Save / silent-save engine of the three game-level sections (header, quarter scores,
// team statistics). Each holds the one row of its table; what differs between them is a
// GameLevelConfig, made by the entry form.
#include <array>
#include <functional>
#include <vector>

#include "gui/entry/Section.h"

class QPushButton;
class QWidget;

namespace yardmark {

struct GameField {
  enum Kind { Text, Number, Option };
  int column;
  QWidget* widget;  // a QLineEdit, an editable QComboBox or a QRadioButton
  Kind kind;
  bool typed;  // enabled for typing; false: only shown (game year and number, quarter totals)
};

struct GameLevelConfig {
  GameTable table;
  QPushButton* edit;
  QPushButton* save;
  std::vector<GameField> fields;      // in reading order; the first typed one takes the focus
  const char* noOptionMessage;        // the section's option buttons are all clear (nullptr: none)
  const char* emptyMessage;           // a typed box is empty
  std::function<void()> startNew;     // the shown-only boxes of a game with no row yet
  SilentSave* savedBefore = nullptr;  // saved silently just before this section (the game's details)
};

class GameLevelSection : public Section {
 public:
  // Adding and Editing look alike; they differ in whether the next save adds the row.
  enum class Mode { Empty, Browsing, Adding, Editing };

  // What each mode offers.
  struct Controls {
    bool typed;  // the typed boxes and option buttons enabled
    bool edit;   // Edit enabled
    bool save;   // Save enabled
    bool operator==(const Controls&) const = default;
  };
  static constexpr Controls controlsIn(Mode mode);

  GameLevelSection(SectionHost& host, GameLevelConfig config);

  Mode mode() const { return m_mode; }

  // Activation: show the stored row with Edit offered, or get ready for a new row. A section
  // being edited, or holding typed values not yet saved, is left as it is.
  void enable() override;
  void saveSilently() override {
    if (m_c.savedBefore) m_c.savedBefore->saveSilently();
    save(true);
  }

  void editClick();
  void saveClick() { save(false); }

  // Nothing shown or offered, for a form that moves on to another game file.
  void reset();
  // The last activation put the section into its new-row state, or left its typing in place.
  bool enteredNew() const { return m_enteredNew; }
  bool keptTyping() const { return m_keptTyping; }
  void focusFirst();

 private:
  void setMode(Mode mode);
  void save(bool silent);
  void writeRow();
  void showStored();
  void display();
  void clearTyped();
  bool anyTyped() const;
  bool anyTypedBoxEmpty() const;
  bool optionMissing() const;
  Recordset& view();

  SectionHost& m_host;
  GameLevelConfig m_c;
  Mode m_mode = Mode::Empty;
  bool m_enteredNew = false;
  bool m_keptTyping = false;
};

// In Mode order.
inline constexpr std::array<GameLevelSection::Controls, 4> kGameLevelModes{{
    // typed edit   save
    {false, false, false},  // Empty
    {false, true, false},   // Browsing
    {true, false, true},    // Adding
    {true, false, true},    // Editing
}};

constexpr GameLevelSection::Controls GameLevelSection::controlsIn(Mode mode) {
  return kGameLevelModes[static_cast<std::size_t>(mode)];
}

}  // namespace yardmark
