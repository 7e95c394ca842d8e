// The roster form driven as the coach drives it.
#include <QLabel>
#include <filesystem>

#include "support/RosterFixture.h"
#include "gui/roster/frmRoster.h"
#include "gui/roster/frmRosterImport.h"

namespace yardmark::test {
namespace {

class RosterFormTest : public RosterFixture {
 protected:
  frmRoster& open() { return app.forms().show<frmRoster>(); }
  QStringList boxes(frmRoster& f) { return {f.txtLastName->text(), f.txtFirstName->text(), f.txtMiddleName->text()}; }
  void type(frmRoster& f, const QString& last, const QString& first, const QString& middle) {
    for (auto [box, text] : {std::pair{f.txtLastName, last}, {f.txtFirstName, first}, {f.txtMiddleName, middle}}) {
      box->clear();
      QTest::keyClicks(box, text);
    }
  }
  static bool enabled(QWidget* f, const char* name) { return widget(f, name)->isEnabled(); }
  static bool visible(QWidget* f, const char* name) { return widget(f, name)->isVisible(); }
};

TEST_F(RosterFormTest, AnEmptyOrMissingRosterAsksForTheFirstPlayer) {
  std::filesystem::remove(root.databases() / "yardMark_roster.mdb");
  prompter.answer(Answer::Ok);
  frmRoster& f = open();
  ASSERT_EQ(prompter.records().size(), 1u);
  EXPECT_EQ(prompter.records()[0].text, "Select the Add Button to begin entering in your Roster information.");
  EXPECT_EQ(prompter.records()[0].icon, Icon::Information);
  EXPECT_EQ(prompter.records()[0].title, "YardMark");
  EXPECT_TRUE(std::filesystem::exists(root.databases() / "yardMark_roster.mdb"));
  EXPECT_EQ(f.windowTitle(), "Roster Information");
  for (const char* name : {"cmdEdit", "cmdDelete", "cmdFirst", "cmdPrevious", "cmdNext", "cmdLast", "cmdSave"})
    EXPECT_FALSE(enabled(&f, name)) << name;
  EXPECT_TRUE(enabled(&f, "cmdAddNew"));
  EXPECT_EQ(boxes(f), QStringList({"", "", ""}));
  EXPECT_FALSE(f.txtLastName->isEnabled());
  // Nothing to search either.
  click(&f, "cmdFind");
  QTest::keyClicks(f.txtLastName, "Smith");
  prompter.answer(Answer::Ok);
  click(&f, "cmdGoFind");
  EXPECT_EQ(prompter.texts().last(), "There was an error when performing the search.");
}

TEST_F(RosterFormTest, ADamagedRosterIsToldAndLeftAsItWas) {
  const auto file = root.writeFile("YardMark/databases/yardMark_roster.mdb", "not a database");
  prompter.answer(Answer::Ok);
  frmRoster& f = open();
  ASSERT_EQ(prompter.records().size(), 1u);
  EXPECT_TRUE(prompter.records()[0].text.startsWith("Error.  '" + QString::fromStdString(file.string()) + "'"));
  EXPECT_EQ(prompter.records()[0].icon, Icon::Critical);
  EXPECT_EQ(f.importFrom->count(), 0);
  EXPECT_FALSE(enabled(&f, "cmdEdit") || enabled(&f, "cmdNext"));
  EXPECT_EQ(readBytes(file), "not a database");
}

TEST_F(RosterFormTest, BrowsesInLastNameOrderAndSaysWhereTheEndsAre) {
  seed({{"Taylor", "John", "C"}, {"adams", "Zoe", "Q"}, {"Brown", "Ed", "F"}});
  frmRoster& f = open();
  EXPECT_EQ(texts(f.importFrom), QStringList({"adams, Zoe Q", "Brown, Ed F", "Taylor, John C"}));
  EXPECT_EQ(boxes(f), QStringList({"adams", "Zoe", "Q"}));
  prompter.answer(Answer::Ok).answer(Answer::Ok);
  click(&f, "cmdNext");
  click(&f, "cmdNext");
  EXPECT_EQ(boxes(f), QStringList({"Taylor", "John", "C"}));
  click(&f, "cmdNext");
  EXPECT_EQ(boxes(f), QStringList({"Taylor", "John", "C"}));
  click(&f, "cmdFirst");
  click(&f, "cmdPrevious");
  EXPECT_EQ(boxes(f), QStringList({"adams", "Zoe", "Q"}));
  click(&f, "cmdLast");
  click(&f, "cmdPrevious");
  EXPECT_EQ(boxes(f), QStringList({"Brown", "Ed", "F"}));
  EXPECT_EQ(prompter.texts(), QStringList({"You are on the LAST record...", "You are on the FIRST record"}));
}

TEST_F(RosterFormTest, FindGoAndFindNextShowTheRightPlayer) {
  seed({{"Smith", "Anna", "B"}, {"Taylor", "John", "C"}, {"Smith", "John", "D"}, {"Adams", "Ray", "E"}});
  // In last-name order: Adams Ray, Smith Anna, Smith John, Taylor John.
  struct Case {
    const char* what;
    int nextClicks;  // the row shown when Find is clicked
    QString last, first;
    int findNexts;
    QStringList shown;
    QStringList messages;
  };
  const QStringList adams{"Adams", "Ray", "E"}, anna{"Smith", "Anna", "B"}, smithJohn{"Smith", "John", "D"},
      taylor{"Taylor", "John", "C"};
  const Case cases[] = {
      {"last name in lower case", 0, "smith", "", 0, anna, {}},
      {"last and first name", 0, "Smith", "John", 0, smithJohn, {}},
      {"first name only", 0, "", "john", 0, smithJohn, {}},
      {"nothing typed", 2, "", "", 0, adams, {"No Record Found"}},
      {"from the third row, a name only the first row has", 2, "Adams", "", 0, adams, {"No Record Found"}},
      {"Find Next", 0, "", "John", 1, taylor, {}},
      {"Find Next on the last row goes on from the first", 0, "", "John", 2, smithJohn, {}},
      {"Find Next without a further match", 0, "", "Ray", 1, adams, {"No Record Found"}},
  };
  frmRoster& f = open();
  for (const Case& c : cases) {
    prompter.clear();
    click(&f, "cmdFirst");
    for (int i = 0; i < c.nextClicks; ++i) click(&f, "cmdNext");
    click(&f, "cmdFind");
    EXPECT_TRUE(visible(&f, "cmdGoFind") && !visible(&f, "cmdFind") && !visible(&f, "cmdFindNext")) << c.what;
    EXPECT_EQ(boxes(f), QStringList({"", "", ""})) << c.what;
    type(f, c.last, c.first, "");
    for (int i = 0; i < c.messages.size(); ++i) prompter.answer(Answer::Ok);
    click(&f, "cmdGoFind");
    for (int i = 0; i < c.findNexts; ++i) click(&f, "cmdFindNext");
    EXPECT_EQ(boxes(f), c.shown) << c.what;
    EXPECT_EQ(prompter.texts(), c.messages) << c.what;
    EXPECT_TRUE(visible(&f, "cmdFind") && !visible(&f, "cmdGoFind")) << c.what;
    EXPECT_TRUE(enabled(&f, "cmdEdit") && enabled(&f, "cmdDelete") && enabled(&f, "cmdAddNew")) << c.what;
    EXPECT_FALSE(f.txtLastName->isEnabled()) << c.what;
  }
}

TEST_F(RosterFormTest, SaveWritesTheRowAndShowsIt) {
  seed({{"Smith", "John", "A"}});
  frmRoster& f = open();
  // Adding with an empty middle name is refused and nothing is written.
  click(&f, "cmdAddNew");
  EXPECT_TRUE(visible(&f, "cmdUndoNew") && !enabled(&f, "cmdAddNew") && enabled(&f, "cmdSave"));
  type(f, "Adams", "Ray", "");
  prompter.answer(Answer::Ok);
  click(&f, "cmdSave");
  EXPECT_EQ(prompter.texts(), QStringList({"You must enter all the field names."}));
  EXPECT_EQ(stored().size(), 1u);
  // Then complete: a new row, shown after the reload although it is not first in order.
  QTest::keyClicks(f.txtMiddleName, "Q");
  f.txtLastName->setText("Zane");
  click(&f, "cmdSave");
  EXPECT_EQ(stored(), (std::vector<StoredRow>{{"Smith", "John", "A"}, {"Zane", "Ray", "Q"}}));
  EXPECT_EQ(boxes(f), QStringList({"Zane", "Ray", "Q"}));
  EXPECT_EQ(texts(f.importFrom), QStringList({"Smith, John A", "Zane, Ray Q"}));
  EXPECT_FALSE(f.txtLastName->isEnabled() || enabled(&f, "cmdSave") || visible(&f, "cmdUndoNew"));
  // Editing overwrites the shown row in place.
  click(&f, "cmdFirst");
  click(&f, "cmdEdit");
  EXPECT_FALSE(visible(&f, "cmdUndoNew"));
  type(f, "Smith", "Jon", "A");
  click(&f, "cmdSave");
  EXPECT_EQ(stored(), (std::vector<StoredRow>{{"Smith", "Jon", "A"}, {"Zane", "Ray", "Q"}}));
  EXPECT_EQ(boxes(f), QStringList({"Smith", "Jon", "A"}));
  // Undo leaves the roster as it was.
  click(&f, "cmdAddNew");
  type(f, "Young", "Amy", "B");
  click(&f, "cmdUndoNew");
  EXPECT_EQ(stored().size(), 2u);
  EXPECT_EQ(boxes(f), QStringList({"Smith", "Jon", "A"}));
  EXPECT_TRUE(enabled(&f, "cmdAddNew") && !visible(&f, "cmdUndoNew") && !f.txtLastName->isEnabled());
  EXPECT_EQ(prompter.texts().size(), 1);
}

TEST_F(RosterFormTest, ComingBackToTheFormMidAddReturnsToBrowsing) {
  seed({{"Smith", "John", "A"}});
  frmRoster& f = open();
  click(&f, "cmdAddNew");
  type(f, "Young", "Amy", "B");
  app.forms().show<FormA>();
  app.forms().show<frmRoster>();
  EXPECT_EQ(boxes(f), QStringList({"Smith", "John", "A"}));
  EXPECT_FALSE(f.txtLastName->isEnabled() || enabled(&f, "cmdSave") || visible(&f, "cmdUndoNew"));
  EXPECT_TRUE(enabled(&f, "cmdAddNew") && enabled(&f, "cmdEdit"));
  EXPECT_EQ(stored(), (std::vector<StoredRow>{{"Smith", "John", "A"}}));
}

TEST_F(RosterFormTest, NameBoxesRefuseDigitsAndA27thCharacter) {
  seed({{"Smith", "John", "A"}});
  frmRoster& f = open();
  click(&f, "cmdAddNew");
  for (QLineEdit* box : {f.txtLastName, f.txtFirstName, f.txtMiddleName}) {
    QTest::keyClicks(box, "O'Ne1l 2");
    EXPECT_EQ(box->text(), "O'Nel ");
    box->clear();
    QTest::keyClicks(box, QString(30, 'x'));
    EXPECT_EQ(box->text().size(), 26);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text().size(), 25);
  }
}

TEST_F(RosterFormTest, DeleteAsksFirstAndRefreshFindsTheShownRowAgain) {
  seed({{"Adams", "Ray", "E"}, {"Brown", "Ed", "F"}, {"Cole", "Al", "G"}});
  frmRoster& f = open();
  click(&f, "cmdNext");
  prompter.answer(Answer::No);
  click(&f, "cmdDelete");
  EXPECT_EQ(stored().size(), 3u);
  click(&f, "cmdNext");
  prompter.answer(Answer::Yes).answer(Answer::Ok);
  click(&f, "cmdDelete");
  EXPECT_EQ(prompter.texts(), QStringList({"Are you sure you want to delete Roster",
                                           "Are you sure you want to delete Roster", "The record has been deleted"}));
  EXPECT_EQ(prompter.records()[0].buttons, Buttons::YesNo);
  EXPECT_EQ(stored(), (std::vector<StoredRow>{{"Adams", "Ray", "E"}, {"Cole", "Al", "G"}}));
  EXPECT_EQ(boxes(f), QStringList({"Adams", "Ray", "E"}));
  EXPECT_EQ(texts(f.importFrom), QStringList({"Adams, Ray E", "Cole, Al G"}));

  // Another form added a player; Refresh reloads and stays on the shown row.
  click(&f, "cmdLast");
  seed({{"Baker", "Sue", "H"}});
  click(&f, "cmdRefresh");
  EXPECT_EQ(texts(f.importFrom), QStringList({"Adams, Ray E", "Baker, Sue H", "Cole, Al G"}));
  EXPECT_EQ(boxes(f), QStringList({"Cole", "Al", "G"}));
}

TEST_F(RosterFormTest, ControlsReadAsTheirCaptionsAndImportHandsOver) {
  seed({{"Smith", "John", "A"}});
  frmRoster& f = open();
  EXPECT_EQ(f.lblLastName->buddy(), f.txtLastName);
  EXPECT_EQ(f.lblFirstName->buddy(), f.txtFirstName);
  EXPECT_EQ(f.lblMiddleName->text(), "MI");
  EXPECT_EQ(f.lblMiddleName->buddy(), f.txtMiddleName);
  EXPECT_EQ(f.cmdFindNext->text(), " Find Next");
  EXPECT_EQ(f.cmdNext->accessibleName(), "Next");
  EXPECT_EQ(f.cmdFind->toolTip(), "Find Record");
  prompter.answer(Answer::Ok);  // the import form does not find the contacts program
  click(&f, "cmdImport");
  QCoreApplication::processEvents();
  EXPECT_NE(app.forms().find<frmRosterImport>(), nullptr);
  EXPECT_EQ(app.forms().find<frmRoster>(), nullptr);
}

}  // namespace
}  // namespace yardmark::test
