// The player-section engine: what each mode offers, the widgets following the mode, and the modes
// across the form's life: activation, the all-sections check and writes the database refuses. The
// player lists: filled from the roster on every activation of the form. The five player sections
// driven by their buttons, each run through the same cases from the table the engine reads: adding
// into an empty table, then moves, the rows list, an edit and deletes over three rows.
#include <SQLiteCpp/SQLiteCpp.h>

#include <QAbstractItemView>
#include <QGroupBox>

#include "core/roster/Roster.h"
#include "gui/entry/NameCompleter.h"
#include "support/EntryFixture.h"

namespace yardmark::test {
namespace {

using Mode = PlayerSection::Mode;

using SectionModes = Sections;

TEST_P(SectionModes, TheAllSectionsCheckSavesOnceAndTheWidgetsFollowTheMode) {
  start();
  auto& vars = app.vars();
  // What every mode must offer: while a row is being written nothing may move away from it, and
  // with no row there is nowhere to go; a silent save keeps Add New closed, so that the
  // all-sections check comes back to the section.
  const auto expectMode = [&](Mode m) {
    const bool writing = m == Mode::Adding || m == Mode::Editing, moves = !writing && m != Mode::Empty;
    EXPECT_EQ(mode(), m);
    EXPECT_EQ(controlsShown(), (PlayerSection::Controls{m == Mode::Empty || m == Mode::Browsing,
                                                        m == Mode::Adding || m == Mode::AddSavedSilently, moves,
                                                        writing, writing, moves}))
        << "mode " << static_cast<int>(m);
  };
  const int frame = c.table - kRushing + 4, tab2 = form->SSTab2->currentIndex();
  EXPECT_TRUE(w<QGroupBox>(("Frame" + std::to_string(frame)).c_str())->isAncestorOf(combo()));
  expectMode(Mode::Empty);
  vars.checkAllSections();  // a section whose Add New is offered is not visited, its boxes empty
  EXPECT_FALSE(vars.emptyFieldFound);
  press(addNew());
  expectMode(Mode::Adding);
  // The check tells what is missing and shows the page of the section.
  form->selectTabs(0, (tab2 + 1) % 3);
  prompter.answer(Answer::Ok);
  vars.checkAllSections();
  EXPECT_TRUE(vars.emptyFieldFound);
  EXPECT_EQ(prompter.texts().at(0).toStdString(),
            "Fields cannot be empty.  Please enter " +
                std::string(c.section == EntrySection::Defense ? "" : "Offense ") + c.name + " data.");
  EXPECT_EQ(form->SSTab1->currentIndex(), c.section == EntrySection::Defense ? 3 : 2);
  if (frame < 7) {
    EXPECT_EQ(form->SSTab2->currentIndex(), tab2);
  }
  prompter.clear();

  typeRow(row(3, "Doe Jane"));
  vars.checkAllSections();
  vars.checkAllSections();
  EXPECT_EQ(std::pair(vars.emptyFieldFound, rows()), std::pair(false, Rows{row(3, "Doe Jane")}));
  expectMode(Mode::AddSavedSilently);
  press(undoNew());
  expectMode(Mode::Browsing);

  press(button("Edit"));
  expectMode(Mode::Editing);
  box(0)->clear();
  QTest::keyClicks(box(0), "8");
  vars.checkAllSections();
  vars.checkAllSections();
  expectMode(Mode::EditSavedSilently);
  auto edited = row(3, "Doe Jane");
  edited[0] = "8";
  EXPECT_EQ(std::pair(rows(), prompter.texts().size()), std::pair(Rows{edited}, qsizetype{0}));
}

TEST_P(SectionModes, ActivationShowsTheFileAsItIsAndASaveIntoARemovedOneIsToldAndClosingAsksFirst) {
  seedRows(1);
  start();
  // A section only showing rows shows the file as it now is; a row removed elsewhere leaves none.
  seed(game, table, {row(60, "Player F")});
  activate();
  EXPECT_EQ(std::pair(mode(), shown()), std::pair(Mode::Browsing, row(60, "Player F")));
  SQLite::Database(game.string(), SQLite::OPEN_READWRITE).exec("DELETE FROM " + table);
  activate();
  EXPECT_EQ(mode(), Mode::Empty);
  std::filesystem::remove(game);
  press(addNew());
  typeRow(row(4, "Doe Jane"));
  prompter.answer(Answer::Ok);
  press(button("Save"));
  ASSERT_EQ(prompter.texts().size(), 1);
  EXPECT_TRUE(prompter.texts()[0].startsWith("The record could not be saved.")) << prompter.texts()[0].toStdString();
  EXPECT_EQ(std::pair(mode(), shown()), std::pair(Mode::Adding, row(4, "Doe Jane")));
  // Closing tries the saves again (the game's three rows, then this one) and asks before leaving.
  prompter.clear();
  for (int told = 0; told < 4; ++told) prompter.answer(Answer::Ok);
  prompter.answer(Answer::Yes);
  EXPECT_FALSE(form->unload());
  EXPECT_TRUE(prompter.texts().value(3).startsWith("The record could not be saved."));
  EXPECT_TRUE(prompter.texts().last().startsWith("Some data may have been lost"));
  EXPECT_EQ(mode(), Mode::Adding);
  EXPECT_FALSE(std::filesystem::exists(game)) << "no new file was made";
}

INSTANTIATE_TEST_SUITE_P(AllFive, SectionModes, kAllFive, sectionName);

struct Person {
  std::optional<std::string> last, first, middle;
};

void writeRoster(const TempRoot& root, const std::vector<Person>& people) {
  Recordset rs = Database(root.databases() / "yardMark_roster.mdb").openRecordset("select * from roster");
  for (const Person& p : people) {
    rs.addNew();
    for (int i = 0; i < 3; ++i)
      if (const auto& part = i == 0 ? p.last : i == 1 ? p.first : p.middle) rs.setField(i + 1, Value(*part));
    rs.update();
  }
}

QStringList itemsOf(const QComboBox* combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  return items;
}

using PlayerNameLists = Sections;

TEST_P(PlayerNameLists, EveryListFollowsTheRosterSortedAndABadRosterLeavesThemEmpty) {
  const auto file = root.databases() / "yardMark_roster.mdb";
  start();
  EXPECT_EQ(combo()->count(), 0);
  // On the next activation the lists follow the roster; what a box shows stays.
  press(addNew());
  QTest::keyClicks(combo()->lineEdit(), "Newman Ned");
  writeRoster(root, {{"smith", "Zed", "Q"},
                     {"Adams", "Amy", std::nullopt},  // a contact imported without a middle name
                     {"Van Buren", "Henry", "J"},
                     {"Smith", "John", "A"},
                     {"Adams", "Amy", ""},
                     {"Burke", "Ann", "B"},
                     {std::nullopt, "Solo", std::nullopt}});
  activate();
  for (const auto& s : kPlayerSections) {
    auto* list = w<QComboBox>(s.combo);
    EXPECT_EQ(itemsOf(list), (QStringList{" Solo ", "Adams Amy ", "Adams Amy ", "Burke Ann B", "Smith John A",
                                          "smith Zed Q", "Van Buren Henry J"}));
    EXPECT_EQ(list->currentText(), list == combo() ? "Newman Ned" : "") << "a filled list shows no name of its own";
  }
  // Typing for one game is not kept when the form comes back for another.
  const auto other = makeGame("2007", 4);
  app.vars().currentGameNumber = 4;
  activate();
  EXPECT_EQ(std::tuple(mode(), shown(), form->newRowPending(c.table)),
            std::tuple(Mode::Empty, std::vector<std::string>(c.boxes.size() + 1), false));

  std::filesystem::remove(file);
  activate();
  EXPECT_EQ(Database(file).openRecordset("select * from roster").recordCount(), 0) << "a missing one is made";
  EXPECT_TRUE(prompter.texts().isEmpty());

  root.writeFile("YardMark/databases/yardMark_roster.mdb", "not a database at all");
  prompter.answer(Answer::Ok);
  activate();
  ASSERT_EQ(prompter.texts().size(), 1);
  EXPECT_TRUE(prompter.texts()[0].startsWith("The roster could not be read, so the player lists are empty.") &&
              prompter.texts()[0].contains("yardMark_roster.mdb"));
  EXPECT_EQ(readBytes(file), "not a database at all") << "left as it was";
  EXPECT_EQ(combo()->count(), 0);
  addRow(row(1, "Walk On"));
  EXPECT_EQ(rowsOf(other, table), Rows{row(1, "Walk On")});
}

// Typing offers the roster names holding the letters, a jersey number the player who wears it;
// the box takes the roster name text.
TEST_P(PlayerNameLists, TypingOffersTheNamesAndAJerseyNumberItsWearerAndTheBoxTakesThePick) {
  importIntoRoster(ensureRosterDatabase(app.tree()), {{{"Carter", "Marcus", "J"}, "12", "RB", 11},
                                                      {{"Lee", "Bo", "K"}, "7", "", 10},
                                                      {{"Burke", "Ann", "B"}, "", "", 9},
                                                      {{"Van Buren", "Henry", "J"}, "", "", 9}});
  start();
  press(addNew());
  QLineEdit* name = combo()->lineEdit();
  auto* completer = form->findChild<NameCompleter*>(QString(c.combo) + "Completer");
  name->setFocus();
  // Typed, offered, taken: Down as often as asked and Enter in the popup, or Escape there and Enter in the box.
  const std::tuple<QString, QStringList, int, Qt::Key, QString> cases[] = {
      {"12", {"#12 Carter Marcus J (RB)"}, 0, Qt::Key_Return, "Carter Marcus J"},
      {"7x", {"#7 Lee Bo K"}, 0, Qt::Key_Escape, "Lee Bo K"},  // no letter after a number
      {"99", {}, 0, Qt::Key_Escape, "99"},                     // nobody wears it: kept as typed
      {"bur", {"Burke Ann B", "Van Buren Henry J"}, 2, Qt::Key_Return, "Van Buren Henry J"},
      {"burt", {}, 0, Qt::Key_Escape, "burt"},  // a name outside the roster stays as typed
  };
  for (const auto& [typed, offered, downs, key, taken] : cases) {
    name->clear();
    QTest::keyClicks(name, typed);
    EXPECT_EQ(completer->offered(), offered) << typed.toStdString();
    EXPECT_EQ(completer->popup()->isVisible(), !offered.isEmpty()) << typed.toStdString();
    EXPECT_TRUE(typed.startsWith(name->text())) << "nothing is filled in before a pick";
    for (int i = 0; i < downs; ++i) QTest::keyClick(completer->popup(), Qt::Key_Down);
    if (completer->popup()->isVisible()) QTest::keyClick(completer->popup(), key);
    if (key == Qt::Key_Escape) QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(combo()->currentText(), taken) << typed.toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Rushing, PlayerNameLists, testing::Values(&kPlayerSections[0]), sectionName);

TEST_P(Sections, AddNewTabsThroughTheBoxesRefusesAnEmptyOneAndSavesWhatTheyHold) {
  start();
  EXPECT_EQ(mode(), Mode::Empty);
  press(addNew());
  EXPECT_EQ(focused(), box(0));
  for (std::size_t i = 1; i <= c.boxes.size(); ++i) {
    QTest::keyClick(focused(), Qt::Key_Tab);
    QWidget* expected = i < c.boxes.size() ? static_cast<QWidget*>(box(i)) : combo();
    EXPECT_TRUE(focused() == expected || focused()->parentWidget() == expected) << "after Tab " << i;
  }
  // The name missing, then a name but the last number box empty: refused, the typing stays.
  typeRow(row(1, ""));
  for (int attempt = 0; attempt < 2; ++attempt) {
    const auto typed = shown();
    prompter.answer(Answer::Ok);
    press(button("Save"));
    EXPECT_EQ(std::tuple(prompter.texts().last(), focused(), mode(), shown()),
              std::tuple(QString(c.emptyMessage), static_cast<QWidget*>(box(0)), Mode::Adding, typed));
    QTest::keyClicks(combo()->lineEdit(), "Doe Jane");
    box(c.boxes.size() - 1)->clear();
  }
  press(undoNew());
  EXPECT_EQ(std::tuple(mode(), shown(), rows()),
            std::tuple(Mode::Empty, std::vector<std::string>(c.boxes.size() + 1), Rows{}));

  press(addNew());
  QTest::keyClicks(box(0), "12a3456");  // no letters, at most five digits
  for (std::size_t i = 1; i < c.boxes.size(); ++i) QTest::keyClicks(box(i), "0");
  box(c.boxes.size() - 1)->setText(" ");                    // pasted: a blank is not empty, and stores 0
  QTest::keyClicks(combo()->lineEdit(), "O'Neil 2nd Pat");  // not in the roster; no digits
  prompter.clear().answer(Answer::Ok);
  press(button("Save"));
  auto saved = std::vector<std::string>(c.boxes.size(), "0");
  saved[0] = "12345";
  saved.push_back("O'Neil nd Pat");
  EXPECT_EQ(std::tuple(prompter.texts(), mode(), rows()),
            std::tuple(QStringList{"Updated successfully"}, Mode::Browsing, Rows{saved}));

  press(addNew());
  typeRow(row(9, "Roe Rick"));
  press(undoNew());
  EXPECT_EQ(std::tuple(mode(), shown(), rows(), form->newRowPending(c.table)),
            std::tuple(Mode::Browsing, saved, Rows{saved}, false));
}

TEST_P(Sections, ThreeRowsAreMovedListedEditedAndDeletedDownToNone) {
  seedRows(3);
  start();
  EXPECT_EQ(shown(), row(30, "Player C")) << "activation shows the last row";
  EXPECT_EQ(listed(),
            (QStringList{asListed(row(10, "Player A")), asListed(row(20, "Player B")), asListed(row(30, "Player C"))}));
  // Button, the row shown after it, the message told.
  const std::tuple<const char*, int, const char*> moves[] = {
      {"Next", 30, "Last Record..!"}, {"First", 10, nullptr}, {"Previous", 10, "First Record..!"},
      {"Next", 20, nullptr},          {"Last", 30, nullptr},  {"Previous", 20, nullptr}};
  for (const auto& [name, first, message] : moves) {
    SCOPED_TRACE(name);
    prompter.clear();
    if (message) prompter.answer(Answer::Ok);
    press(button(name));
    EXPECT_EQ(prompter.texts(), message ? QStringList{message} : QStringList{});
    EXPECT_EQ(shown(), row(first, std::string("Player ") + char('A' + first / 10 - 1)));
  }
  clickListed(0);
  EXPECT_EQ(shown(), row(10, "Player A"));
  press(button("Next"));  // the moves go on from the clicked row
  EXPECT_EQ(rowsList()->currentRow(), 1);

  // An edit keeps its row while another section's save reopens every view; a click is refused.
  press(button("Edit"));
  EXPECT_EQ(focused(), box(0));
  clickListed(2);
  EXPECT_EQ(shown(), row(20, "Player B"));
  box(0)->clear();
  QTest::keyClicks(box(0), "77");
  otherSectionSaves();
  activate();  // and so does coming back to the form
  prompter.answer(Answer::Ok);
  press(button("Save"));
  EXPECT_EQ(shown(), row(30, "Player C")) << "a save shows the last row";
  auto edited = row(20, "Player B");
  edited[0] = "77";
  EXPECT_EQ(rows(), (Rows{row(10, "Player A"), edited, row(30, "Player C")}));
  EXPECT_EQ(rowsList()->currentRow(), 2);

  clickListed(0);
  prompter.answer(Answer::No);
  press(button("Delete"));
  EXPECT_EQ(std::tuple(prompter.records().back().text, prompter.records().back().buttons, rows().size()),
            std::tuple(QString("Are you sure you want to delete"), Buttons::YesNo, 3u))
      << "No changes nothing";
  prompter.answer(Answer::Yes).answer(Answer::Ok);
  press(button("Delete"));
  EXPECT_EQ(prompter.texts().last(), "The record has been deleted");
  EXPECT_EQ(listed(), (QStringList{asListed(edited), asListed(row(30, "Player C"))}));
  addRow(row(40, "Player D"));
  EXPECT_EQ(rowsList()->currentRow(), 2);
  for (int left = 3; left > 0; --left) {
    prompter.answer(Answer::Yes).answer(Answer::Ok);
    press(button("Delete"));
  }
  EXPECT_EQ(std::tuple(rows(), shown(), mode()),
            std::tuple(Rows{}, std::vector<std::string>(c.boxes.size() + 1), Mode::Empty))
      << "only Add New is left";
}

INSTANTIATE_TEST_SUITE_P(AllFive, Sections, kAllFive, sectionName);

}  // namespace
}  // namespace yardmark::test
