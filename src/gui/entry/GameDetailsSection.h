#pragma once
// The Game Details frame of the entry form: the game's date, site, place, overtime points and
// notes. One row in its own table, written through writeGameDetails; the game-level sections'
// modes, with an Add button of its own since a game may have no details at all.
#include <QGroupBox>
#include <functional>

#include "core/games/Game.h"
#include "gui/entry/GameLevelSection.h"

class QDateEdit;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace yardmark {

class GameDetailsSection : public QGroupBox, public Section {
 public:
  using Mode = GameLevelSection::Mode;
  // Add starts the details of a game that has none.
  static constexpr bool addIn(Mode mode) { return mode == Mode::Empty; }

  // database: the open game file (throws DbError when none is open); gameYear: the year its
  // calendar opens on while no date is set.
  GameDetailsSection(SectionHost& host, std::function<Database&()> database, std::function<int()> gameYear,
                     QWidget* parent);

  Mode mode() const { return m_mode; }
  // The details as the boxes show them; an unset date reads as "".
  GameDetails shown() const;

  // Activation: the stored details, or an empty frame with Add offered. Typing under way stays.
  void enable() override;
  // Writes only what differs from the stored details, so that leaving a game whose details
  // were never typed leaves its file as it was. Nothing here is required.
  void saveSilently() override { save(true); }
  void reset();

  void addClick();
  void editClick();
  void saveClick() { save(false); }

  QDateEdit* dtpGameDate;
  QRadioButton* optHome;
  QRadioButton* optAway;
  QRadioButton* optNeutral;
  QLineEdit* txtPlace;
  QLineEdit* txtOvertimeOwn;
  QLineEdit* txtOvertimeOpp;
  QLineEdit* txtNotes;
  QPushButton* cmddAdd;
  QPushButton* cmddEdit;
  QPushButton* cmddSave;

 private:
  void build();
  void setMode(Mode mode);
  void show(const GameDetails& details);
  void save(bool silent);
  std::array<QWidget*, 8> typedBoxes() const;

  SectionHost& m_host;
  std::function<Database&()> m_database;
  std::function<int()> m_gameYear;
  GameDetails m_stored;
  Mode m_mode = Mode::Empty;
};

}  // namespace yardmark
