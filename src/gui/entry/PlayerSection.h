#pragma once
// One player-statistics section of the entry form: a row of number boxes and a player name,
// moved through one row of the section's table at a time, with Add New / Undo, Edit, Delete
// and Save. The same engine serves all five sections; PlayerSections says what differs.
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "gui/entry/PlayerSections.h"
#include "gui/entry/Section.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace yardmark {

class PlayerSection : public QWidget, public Section {
  Q_OBJECT
 public:
  PlayerSection(SectionHost& host, const PlayerSectionConfig& config, QWidget* parent = nullptr);

  const PlayerSectionConfig& config() const { return m_config; }
  QComboBox* nameCombo() const { return m_combo; }

  // On activation: the enable routine, except while an add or an edit is under way, whose
  // typing and buttons are kept.
  void enable() override;
  // The silent save of the all-sections check (cmdruSaveUpdate and its kin).
  void saveSilently() override;
  bool addNewEnabled() const override;

  // enableRushing and its kin: with rows, show the last one and offer Edit, Delete and the moves.
  void enableRows();
  // displayRushing and its kin: the view's current row into the boxes.
  void display();

 private:
  void jump(bool toLast);   // First, Last
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
  void setBoxesEnabled(bool on);
  void clearBoxes();
  void setMovesEnabled(bool on);  // Edit, Delete, First, Previous, Next, Last
  void showAddNew(bool on);       // Add New enabled and Undo Add New hidden, or the reverse

  SectionHost& m_host;
  const PlayerSectionConfig& m_config;
  std::vector<QLineEdit*> m_boxes;
  QComboBox* m_combo = nullptr;
  QToolButton *m_first = nullptr, *m_previous = nullptr, *m_next = nullptr, *m_last = nullptr;
  QPushButton *m_addNew = nullptr, *m_undoNew = nullptr, *m_edit = nullptr, *m_delete = nullptr, *m_save = nullptr;
  // Key of the row the boxes show; an edit writes that row, wherever the view stands.
  std::optional<std::int64_t> m_shown;
  // The game the section last showed: typing for one game never goes into another.
  QString m_game;
};

}  // namespace yardmark
