// The roster form driven as the coach drives it.

#include <SQLiteCpp/Database.h>

#include <QComboBox>

#include "gui/entry/PlayerNameLists.h"
#include "gui/roster/frmRoster.h"
#include "gui/roster/frmRosterImport.h"
#include "gui/roster/frmRosterImportSheet.h"
#include "support/RosterFixture.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

class RosterFormTest : public RosterFixture {
 protected:
  frmRoster& open() { return app.forms().show<frmRoster>(); }
  QStringList boxes(frmRoster& f) { return {f.txtLastName->text(), f.txtFirstName->text(), f.txtMiddleName->text()}; }
  QStringList details(frmRoster& f) { return {f.txtNumber->text(), f.txtPosition->text(), f.cmbGrade->currentText()}; }
  std::vector<RosterPlayer> players() { return readRoster(ensureRosterDatabase(app.tree())); }
  void type(frmRoster& f, const QString& last, const QString& first, const QString& middle) {
    for (auto [box, text] : {std::pair{f.txtLastName, last}, {f.txtFirstName, first}, {f.txtMiddleName, middle}}) {
      box->clear();
      QTest::keyClicks(box, text);
    }
  }
};

using Mode = frmRoster::Mode;

TEST_F(RosterFormTest, AMissingRosterIsMadeAndADamagedOneToldAndLeftAsItWas) {
  std::filesystem::remove(root.databases() / "yardMark_roster.mdb");
  prompter.answer(Answer::Ok);
  frmRoster& f = open();
  EXPECT_EQ(prompter.texts(), QStringList{"Select the Add Button to begin entering in your Roster information."});
  EXPECT_TRUE(std::filesystem::exists(root.databases() / "yardMark_roster.mdb"));
  EXPECT_EQ(f.mode(), Mode::Browsing);
  expectReference(formState(&f, root.dir()), "roster/empty.txt");  // nothing to move to, edit or delete
  // Nothing to search either.
  click(&f, "cmdFind");
  QTest::keyClicks(f.txtLastName, "Smith");
  prompter.answer(Answer::Ok);
  click(&f, "cmdGoFind");
  EXPECT_EQ(prompter.texts().last(), "There was an error when performing the search.");
  f.unload();

  const auto file = root.writeFile("YardMark/databases/yardMark_roster.mdb", "not a database");
  prompter.clear().answer(Answer::Ok);
  frmRoster& damaged = open();
  EXPECT_TRUE(prompter.texts().value(0).startsWith("Error.  '" + QString::fromStdString(file.string()) + "'"));
  EXPECT_EQ(std::pair(damaged.importFrom->count(), readBytes(file)), std::pair(0, std::string("not a database")));
}

TEST_F(RosterFormTest, BrowsesInLastNameOrderByButtonsKeysAndClicksAndDeletesTheOneShown) {
  seed({{"Taylor", "John", "C"}, {"adams", "Zoe", "Q"}, {"Brown", "Ed", "F"}});
  frmRoster& f = open();
  EXPECT_EQ(itemTexts(f.importFrom), QStringList({"adams, Zoe Q", "Brown, Ed F", "Taylor, John C"}));
  EXPECT_EQ(boxes(f), QStringList({"adams", "Zoe", "Q"}));
  prompter.answer(Answer::Ok).answer(Answer::Ok);
  click(&f, "cmdNext");
  click(&f, "cmdNext");
  click(&f, "cmdNext");
  EXPECT_EQ(boxes(f), QStringList({"Taylor", "John", "C"}));
  click(&f, "cmdPrevious");  // still on the last row after the message
  EXPECT_EQ(boxes(f), QStringList({"Brown", "Ed", "F"}));
  click(&f, "cmdFirst");
  click(&f, "cmdPrevious");
  click(&f, "cmdNext");  // from the first row, where the message left it
  EXPECT_EQ(boxes(f), QStringList({"Brown", "Ed", "F"}));
  EXPECT_EQ(prompter.texts(), QStringList({"You are on the LAST record...", "You are on the FIRST record"}));

  const auto clickName = [&](int index) {
    QListWidget* list = f.importFrom;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(index)).center());
  };
  clickName(2);
  EXPECT_EQ(boxes(f), QStringList({"Taylor", "John", "C"}));
  click(&f, "cmdPrevious");  // the moves go on from the clicked name
  EXPECT_EQ(boxes(f), QStringList({"Brown", "Ed", "F"}));
  const QStringList adams{"adams", "Zoe", "Q"}, brown{"Brown", "Ed", "F"}, taylor{"Taylor", "John", "C"};
  const std::pair<Qt::Key, QStringList> keys[] = {
      {Qt::Key_Home, adams}, {Qt::Key_Down, brown}, {Qt::Key_End, taylor}, {Qt::Key_Up, brown}};
  for (const auto& [key, shown] : keys) {
    QTest::keyClick(f.importFrom, key);
    EXPECT_EQ(boxes(f), shown) << key;
  }
  click(&f, "cmdLast");  // the keys go on from the player a button showed
  QTest::keyClick(f.importFrom, Qt::Key_Up);
  prompter.clear().answer(Answer::No).answer(Answer::Yes).answer(Answer::Ok);
  click(&f, "cmdDelete");
  EXPECT_EQ(stored().size(), 3u);
  click(&f, "cmdNext");  // from the first row, where the No left it
  click(&f, "cmdDelete");
  const QString sure = "Are you sure you want to delete Roster";
  EXPECT_EQ(prompter.texts(), QStringList({sure, sure, "The record has been deleted"}));
  EXPECT_EQ(prompter.records()[0].buttons, Buttons::YesNo);
  EXPECT_EQ(stored(), (std::vector<StoredRow>{{"Taylor", "John", "C"}, {"adams", "Zoe", "Q"}}));
  EXPECT_EQ(boxes(f), adams);
  // Another form added a player; Refresh reloads and stays on the shown row.
  click(&f, "cmdLast");
  seed({{"Baker", "Sue", "H"}});
  click(&f, "cmdRefresh");
  EXPECT_EQ(itemTexts(f.importFrom), QStringList({"adams, Zoe Q", "Baker, Sue H", "Taylor, John C"}));
  EXPECT_EQ(boxes(f), taylor);
  click(&f, "cmdEdit");
  expectReference(formState(&f, root.dir()), "roster/editing.txt");
  emit f.importFrom->itemClicked(f.importFrom->item(0));  // as if a click reached the list
  EXPECT_EQ(boxes(f), taylor) << "refused while editing";
}

// Which row a search finds is the roster search's own test; here the form's part of it.
TEST_F(RosterFormTest, FindGoAndFindNextShowTheRightPlayerAndImportLeavesForTheImportForm) {
  seed({{"Smith", "Anna", "B"}, {"Taylor", "John", "C"}, {"Smith", "John", "D"}, {"Adams", "Ray", "E"}});
  // In last-name order: Adams Ray, Smith Anna, Smith John, Taylor John.
  struct Case {
    const char* what;
    int nextClicks;  // the row shown when Find is clicked
    QString last, first;
    int findNexts;
    QStringList shown;
    QStringList messages;
    Mode after;
  };
  const QStringList adams{"Adams", "Ray", "E"}, anna{"Smith", "Anna", "B"}, taylor{"Taylor", "John", "C"};
  const Case cases[] = {
      {"last name in lower case", 0, "smith", "", 0, anna, {}, Mode::Found},
      {"from row 3, a name only row 1 has", 2, "Adams", "", 0, adams, {"No Record Found"}, Mode::Browsing},
      {"Find Next", 0, "", "John", 1, taylor, {}, Mode::Found},
      {"Find Next without a further match", 0, "", "Ray", 1, adams, {"No Record Found"}, Mode::Found},
  };
  frmRoster& f = open();
  for (const Case& c : cases) {
    prompter.clear();
    click(&f, "cmdFirst");
    for (int i = 0; i < c.nextClicks; ++i) click(&f, "cmdNext");
    click(&f, "cmdFind");
    EXPECT_EQ(f.mode(), Mode::Finding) << c.what;
    EXPECT_EQ(boxes(f), QStringList({"", "", ""})) << c.what;
    type(f, c.last, c.first, "");
    for (int i = 0; i < c.messages.size(); ++i) prompter.answer(Answer::Ok);
    click(&f, "cmdGoFind");
    for (int i = 0; i < c.findNexts; ++i) click(&f, "cmdFindNext");
    EXPECT_EQ(boxes(f), c.shown) << c.what;
    EXPECT_EQ(prompter.texts(), c.messages) << c.what;
    EXPECT_EQ(f.mode(), c.after) << c.what;
  }
  // Find Next stays offered after a reload, and a new Find withdraws it.
  click(&f, "cmdRefresh");
  EXPECT_EQ(f.mode(), Mode::Found);
  click(&f, "cmdFind");
  prompter.answer(Answer::Ok);  // the emptied boxes name no row
  click(&f, "cmdRefresh");
  EXPECT_EQ(f.mode(), Mode::Browsing);
  prompter.answer(Answer::Ok);  // the import form does not find the contacts program
  click(&f, "cmdImport");
  QCoreApplication::processEvents();
  EXPECT_NE(app.forms().find<frmRosterImport>(), nullptr);
  EXPECT_EQ(app.forms().find<frmRoster>(), nullptr);
}
TEST_F(RosterFormTest, AddEditAndUndoWriteOnlyOnSaveAndEndBrowsing) {
  seed({{"Smith", "John", "A"}});
  frmRoster& f = open();
  const auto step = [&](const char* button, Mode mode) {
    click(&f, button);
    EXPECT_EQ(f.mode(), mode) << button;
  };
  // Adding starts from empty boxes; an empty middle name is refused and nothing is written.
  step("cmdAddNew", Mode::Adding);
  EXPECT_EQ(boxes(f), QStringList({"", "", ""}));
  type(f, "Adams", "Ra2y", "");  // the name boxes refuse digits
  expectReference(formState(&f, root.dir()), "roster/adding.txt");
  prompter.answer(Answer::Ok);
  step("cmdSave", Mode::Adding);
  EXPECT_EQ(prompter.texts(), QStringList({"You must enter all the field names."}));
  EXPECT_EQ(stored().size(), 1u);
  // Then complete: a new row, shown after the reload although it is not first in order.
  QTest::keyClicks(f.txtMiddleName, "Q");
  f.txtLastName->setText("Zane");
  step("cmdSave", Mode::Browsing);
  EXPECT_EQ(stored(), (std::vector<StoredRow>{{"Smith", "John", "A"}, {"Zane", "Ray", "Q"}}));
  EXPECT_EQ(boxes(f), QStringList({"Zane", "Ray", "Q"}));
  EXPECT_EQ(itemTexts(f.importFrom), QStringList({"Smith, John A", "Zane, Ray Q"}));
  // Editing overwrites the shown row in place.
  click(&f, "cmdFirst");
  step("cmdEdit", Mode::Editing);
  type(f, "Smith", "Jon", "A");
  step("cmdSave", Mode::Browsing);
  EXPECT_EQ(stored(), (std::vector<StoredRow>{{"Smith", "Jon", "A"}, {"Zane", "Ray", "Q"}}));
  EXPECT_EQ(boxes(f), QStringList({"Smith", "Jon", "A"}));
  // Undo leaves the roster as it was, with nothing left to save.
  step("cmdAddNew", Mode::Adding);
  type(f, "Young", "Amy", "B");
  step("cmdUndoNew", Mode::Browsing);
  EXPECT_EQ(std::pair(stored().size(), boxes(f)), std::pair(size_t{2}, QStringList({"Smith", "Jon", "A"})));
  // Coming back to the form mid-add returns to browsing: Save cannot overwrite the row shown then.
  step("cmdAddNew", Mode::Adding);
  type(f, "Young", "Amy", "B");
  app.forms().show<FormA>();
  app.forms().show<frmRoster>();
  expectReference(formState(&f, root.dir()), "roster/back.txt");  // browsing Smith Jon A again
  EXPECT_EQ(std::pair(stored().size(), prompter.texts().size()), std::pair(size_t{2}, qsizetype{1}));
}

TEST_F(RosterFormTest, ANumberAnotherPlayerWearsIsSavedOnlyWhenTheCoachSaysSo) {
  seed({{"Smith", "John", "A"}});
  frmRoster& f = open();
  click(&f, "cmdEdit");
  QTest::keyClicks(f.txtNumber, "1a2");  // digits only
  click(&f, "cmdSave");
  click(&f, "cmdAddNew");
  EXPECT_EQ(details(f), QStringList({"", "", ""}));
  type(f, "Carter", "Marcus", "J");
  QTest::keyClicks(f.txtNumber, "123");  // two digits at most
  QTest::keyClicks(f.txtPosition, "RB/LB");
  f.cmbGrade->setCurrentText("11");
  prompter.answer(Answer::No).answer(Answer::Yes);
  click(&f, "cmdSave");
  EXPECT_EQ(f.mode(), Mode::Adding) << "No keeps editing";
  EXPECT_EQ(players().size(), 1u);
  click(&f, "cmdSave");
  const QString question = "Number 12 is already worn by Smith John A.  Save it for this player too?";
  EXPECT_EQ(prompter.texts(), QStringList({question, question}));
  EXPECT_EQ(prompter.records()[0].buttons, Buttons::YesNo);
  EXPECT_EQ(players(), (std::vector<RosterPlayer>{{{"Smith", "John", "A"}, "12", "", 0},
                                                  {{"Carter", "Marcus", "J"}, "12", "RB/LB", 11}}));
  EXPECT_EQ(details(f), QStringList({"12", "RB/LB", "11"}));
}

// A roster file written before the number, position and grade, and one written since, read by
// every reader of the roster; the older one gains the columns when the form first writes to it.
TEST_F(RosterFormTest, OlderAndNewerRosterFilesReadAlikeAndTheOlderGainsTheColumnsOnItsFirstWrite) {
  const fs::path file = root.databases() / "yardMark_roster.mdb";
  const std::string carter = "(1, 'Carter', 'Marcus', 'J'";
  const std::tuple<std::string, RosterPlayer, QString> cases[] = {
      {"rosterPlayerName_Middle TEXT); INSERT INTO roster VALUES " + carter + ")",
       {{"Carter", "Marcus", "J"}, "", "", 0},
       "Carter, Marcus (#12) (maybe in roster: Carter Marcus J)"},
      {"rosterPlayerName_Middle TEXT, rosterNumber TEXT, rosterPosition TEXT, rosterGrade REAL); "
       "INSERT INTO roster VALUES " +
           carter + ", '12', 'RB', 12)",  // the last grade there is
       {{"Carter", "Marcus", "J"}, "12", "RB", 12},
       "Carter, Marcus (#12) (maybe in roster: Carter Marcus J) (#12 worn by Carter Marcus J)"},
  };
  for (const auto& [layout, read, sheetRow] : cases) {
    fs::remove(file);
    SQLite::Database(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE)
        .exec(
            "CREATE TABLE roster (rosterID INTEGER PRIMARY KEY AUTOINCREMENT, rosterPlayerName_Last TEXT, "
            "rosterPlayerName_First TEXT, " +
            layout);
    frmRoster& f = open();
    EXPECT_EQ(details(f), QStringList({QString::fromStdString(read.number), QString::fromStdString(read.position),
                                       read.grade ? QString::number(read.grade) : QString()}));
    EXPECT_EQ(sortedPlayers(app.tree()), std::vector<RosterPlayer>{read});
    frmRosterImportSheet::chooseFile(app, [this](QWidget*, const FileQuestion&) {
      return QString::fromStdString(root.writeFile("sheet.csv", "No.,Last,First\n12,Carter,Marcus\n").string());
    });
    EXPECT_EQ(itemTexts(app.forms().find<frmRosterImportSheet>()->importFrom), QStringList{sheetRow});
    app.forms().find<frmRosterImportSheet>()->unload();
    click(&f, "cmdEdit");
    f.txtPosition->setText("QB");
    click(&f, "cmdSave");
    EXPECT_EQ(players(), (std::vector<RosterPlayer>{{read.name, read.number, "QB", read.grade}}));
    f.unload();
  }
}

}  // namespace
}  // namespace yardmark::test
