#pragma once
// What differs between the five player sections of the entry form, and the widgets of one
// section made from it; the one engine (PlayerSection) reads everything else from here.
#include <array>
#include <string>
#include <vector>

#include "gui/entry/EntryWidgets.h"
#include "gui/entry/Section.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;
class QWidget;

namespace yardmark {

struct NumberBox {
  const char* name;   // objectName of the text box
  const char* label;  // its visible label
  int column;         // its column in the section's table, which also gives its key rule
};

struct PlayerSectionConfig {
  // "Rushing" names the routines: enableRushing, displayRushing; the silent save is
  // prefix + "SaveUpdate" (cmdruSaveUpdate).
  const char* name;
  GameTable table;
  EntrySection section;
  const char* prefix;  // button prefix: prefix + "First", "Previous", "Next", "Last", "Edit", "Delete", "Save"
  const char* addNew;  // the two names that do not follow the prefix everywhere (cmdrecAddnew, cmdreUndoNew)
  const char* undoNew;
  std::vector<NumberBox> boxes;  // in reading order; the first is the focus field
  const char* combo;             // the player name, in the table's name column
  const char* emptyMessage;      // Save with an empty box

  int nameColumn() const { return playerNameColumn(table); }
  std::string button(const char* what) const { return std::string(prefix) + what; }
};

// Rushing, passing, receiving, scoring, defense: the order of the form's activation and of
// the all-sections check.
extern const std::array<PlayerSectionConfig, 5> kPlayerSections;

// The controls of one section, laid out in their owner.
struct PlayerSectionWidgets {
  std::vector<QLineEdit*> boxes;  // in column order
  QComboBox* combo = nullptr;
  QListWidget* rows = nullptr;  // every row of the table, read only
  QToolButton *first = nullptr, *previous = nullptr, *next = nullptr, *last = nullptr;
  QPushButton *addNew = nullptr, *undoNew = nullptr, *edit = nullptr, *remove = nullptr, *save = nullptr;
};

// Made in reading order, so that Tab runs through the boxes, the name, then the buttons.
PlayerSectionWidgets buildPlayerSection(QWidget* owner, const PlayerSectionConfig& config);

}  // namespace yardmark
