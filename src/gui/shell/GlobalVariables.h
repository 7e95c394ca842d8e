#pragma once
// The values the forms share for the whole run, and the all-sections check that saves every
// section of the loaded entry form before it is left.
#include <QObject>
#include <QString>
#include <filesystem>

#include "core/games/GameTables.h"

namespace yardmark {

class Prompter;

// The sections of the entry form, in the order the check visits them: the game tables' order.
enum class EntrySection { Header, Quarter, TeamStats, Rushing, Passing, Receiving, Scoring, Defense };
constexpr GameTable tableOf(EntrySection section) { return static_cast<GameTable>(section); }
static_assert(tableOf(EntrySection::Scoring) == kScoring && tableOf(EntrySection::Defense) == kDefense);

// One section as the check sees it.
class SilentSave {
 public:
  virtual ~SilentSave() = default;
  // Saves the section without asking. When a required box is empty it saves nothing and sets
  // GlobalVariables::emptyFieldFound.
  virtual void saveSilently() = 0;
  // Whether the check saves this section now. A game-level section is saved whatever its
  // state; a player section only while an add or an edit of a row is under way.
  virtual bool needsSilentSave() const { return true; }
};

// The loaded entry form as the check sees it.
class EntrySections {
 public:
  virtual ~EntrySections() = default;
  // nullptr for a section the form does not have.
  virtual SilentSave* section(EntrySection which) = 0;
  // Shows a page of SSTab1 and, when ssTab2 is not negative, a page of SSTab2.
  virtual void selectTabs(int ssTab1, int ssTab2) = 0;
};

class GlobalVariables : public QObject {
  Q_OBJECT
 public:
  explicit GlobalVariables(Prompter& prompter) : m_prompter(prompter) {}

  QString currentGameYear;
  double currentGameNumber = 0;
  QString openGamePath;
  bool gameOpenedFromFile = false;
  bool emptyFieldFound = false;
  QString currentReportName;

  // A game file picked in a dialog: openGamePath takes the path as the dialog hands it over (in
  // lower case), and the exact file is kept beside it, since one folder may hold "Game1.mdb"
  // and "game1.mdb".
  void pickGameFile(const QString& handedOver, const std::filesystem::path& exact);
  // The exact file picked, while openGamePath still names it; empty otherwise.
  std::filesystem::path pickedGameFile() const;

  bool gameFormActive() const { return m_gameFormActive; }
  void setGameFormActive(bool active);

  // The entry form registers itself while it is loaded; it must unregister (nullptr) before
  // it goes away.
  void setEntrySections(EntrySections* form) { m_entry = form; }
  EntrySections* entrySections() const { return m_entry; }

  // Saves each section silently in the fixed order, stopping at the first one with an empty
  // required box: its page is selected and the user is told which data is missing.
  void checkAllSections();

 signals:
  void gameFormActiveChanged(bool active);

 private:
  Prompter& m_prompter;
  QString m_pickedText;
  std::filesystem::path m_pickedFile;
  EntrySections* m_entry = nullptr;
  bool m_gameFormActive = false;
};

}  // namespace yardmark
