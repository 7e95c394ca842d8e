// The sheet's grids typed into: names off the roster, and the sheet beside the entry form on
// one game, each seeing what the other saved.
#include <SQLiteCpp/SQLiteCpp.h>

#include <QListWidget>

#include "gui/sheet/SheetFixture.h"

namespace yardmark::test {
namespace {

struct NameCase {
  const char* name;
  Answer answer;
  std::string stored;  // the row's name in the file; "" for no row
  bool onRoster;
};

class SheetNames : public SheetTest, public testing::WithParamInterface<NameCase> {};

TEST_P(SheetNames, ANameOffTheRosterIsAskedAboutOnce) {
  seedRoster({{"Wilson", "Tom", "F"}});
  const auto game = makeGame();
  SheetView* rushing = rushingOf(openSheet(game));
  prompter.answer(GetParam().answer);
  type("Zed Alan");
  key(Qt::Key_Tab);
  QCoreApplication::processEvents();
  // No: back in the name cell to type it again; otherwise on to the figures.
  EXPECT_EQ(rushing->currentIndex().column(), GetParam().stored.empty() ? 0 : 1);
  if (!GetParam().stored.empty()) row({"3", "12"});
  ASSERT_EQ(prompter.records().size(), 1u);
  EXPECT_EQ(std::pair(prompter.records()[0].text, prompter.records()[0].buttons),
            std::pair(QString("Zed Alan is not on the roster. Add Zed Alan to the roster?"), Buttons::YesNoKeep));
  EXPECT_EQ(rowsOf(game, "rushing"),
            (GetParam().stored.empty() ? Rows{} : Rows{{"3", "12", "0", "0", GetParam().stored}}));
  EXPECT_EQ(playerNameTexts(app.tree()).size(), GetParam().onRoster ? 2u : 1u);
  // Shown in red with the reason while it is off the roster.
  const QModelIndex name = rushing->model()->index(0, 0);
  const bool red = name.data(Qt::ForegroundRole).value<QBrush>().color() == Qt::red;
  EXPECT_EQ(red, GetParam().answer == Answer::Ignore);
  EXPECT_EQ(name.data(Qt::ToolTipRole).toString().contains("Zed Alan is not on the roster."), red);
}

INSTANTIATE_TEST_SUITE_P(Answers, SheetNames,
                         testing::Values(NameCase{"Yes", Answer::Yes, "Zed Alan ", true},
                                         NameCase{"No", Answer::No, "", false},
                                         NameCase{"Keep", Answer::Ignore, "Zed Alan", false}),
                         [](const auto& info) { return std::string(info.param.name); });

// A file that is no game is told of and shows no sheet. Rows the file will not take (another
// program refuses them) keep their typing, are marked, and are told of once; once the file
// takes them, leaving a row or Check Game writes it and its mark goes. A finding leads to its row.
// A jersey number typed in a name cell is taken as its wearer's name.
TEST_F(SheetTest, RowsTheFileWillNotTakeKeepTheirTypingAndAreToldOnce) {
  importIntoRoster(ensureRosterDatabase(app.tree()),
                   {{{"Wilson", "Tom", "F"}, "12", "", 9}, {{"Smith", "John", "A"}, "", "", 9}});
  prompter.answer(Answer::Ok);
  showInSheet(app, root.writeFile("YardMark/games/2007/Game9.mdb", "not a database"));
  EXPECT_TRUE(prompter.texts().value(0).startsWith("The game cannot be opened in the sheet: "));
  EXPECT_FALSE(app.forms().find<frmBoxScore>() && app.forms().find<frmBoxScore>()->isVisible());
  prompter.clear();

  const auto game = makeGame();
  SQLite::Database(game.string(), SQLite::OPEN_READWRITE)
      .exec("CREATE TRIGGER held BEFORE INSERT ON rushing BEGIN SELECT RAISE(ABORT, 'held elsewhere'); END");
  frmBoxScore& sheet = openSheet(game);
  SheetView* rushing = rushingOf(sheet);
  prompter.answer(Answer::Ok);
  row({"12", "3", "30"});       // his jersey number, taken by Tab; Enter tries the row, leaving it again
  row({"Smi", "0", "5", "1"});  // a touchdown without an attempt: a finding once saved
  ASSERT_EQ(prompter.texts().size(), 1);
  EXPECT_TRUE(prompter.texts()[0].startsWith("The row could not be saved: Cannot save the row of 'rushing'") &&
              prompter.texts()[0].endsWith("held elsewhere"));
  EXPECT_TRUE(rowsOf(game, "rushing").empty());
  const auto marked = [&](int r) {
    return rushing->model()->index(r, 0).data(Qt::ToolTipRole).toString().contains("held");
  };
  EXPECT_TRUE(marked(0) && marked(1));

  SQLite::Database(game.string(), SQLite::OPEN_READWRITE).exec("DROP TRIGGER held");
  rushing->setCurrentIndex(rushing->firstCell(1));
  key(Qt::Key_Up);  // leaving a row saves it: the second first, so the file's order is not the sheet's
  EXPECT_EQ(rowsOf(game, "rushing"), (Rows{{"0", "5", "1", "0", "Smith John A"}}));
  EXPECT_TRUE(marked(0) && !marked(1));
  key(Qt::Key_F7);  // Check Game saves all first
  EXPECT_FALSE(marked(0));
  EXPECT_EQ(rowsOf(game, "rushing").size(), 2u);
  ASSERT_NE(sheet.checkWindow(), nullptr);
  rushing->setCurrentIndex(rushing->firstCell(0));
  goToFinding(*sheet.checkWindow(), kRushing, 0);  // Smith's, first in the file
  EXPECT_EQ(rushing->currentIndex(), rushing->firstCell(1));
  // What a cell cannot take is refused with the reason.
  prompter.clear();
  prompter.answer(Answer::Ok).answer(Answer::Ok);
  QAbstractItemModel* header = sheet.view("grdHeader")->model();
  EXPECT_FALSE(rushing->model()->setData(rushing->model()->index(0, 1), "x") ||
               header->setData(header->index(0, 3), "13/45"));
  EXPECT_EQ(prompter.texts(), (QStringList{"\"x\" is not a figure this cell takes.",
                                           "\"13/45\" is not a date. Type it as 2026-09-12 or 9/12."}));
  rushing->model()->setData(rushing->model()->index(1, 0), "Wilson Tom F");  // a player twice is marked
  EXPECT_EQ(rushing->model()->index(1, 0).data(Qt::ToolTipRole), "Wilson Tom F is also in row 1 of Rushing.");
  key(Qt::Key_Escape);
  EXPECT_FALSE(sheet.isVisible());  // closed, before the host lets the form go
}

// The sheet and the entry form open on one game: a row saved in either shows in the other, and
// an edit in the sheet rewrites the row the entry form added rather than adding it again.
TEST_F(SheetTest, TheEntryFormAndTheSheetSeeEachOthersSaves) {
  seedRoster({{"Smith", "John", "A"}, {"Jones", "Mike", "B"}});
  const auto game = writeGame(root, "YardMark/games/2007/Game3.mdb", Result::Won);
  openGame();
  click("cmdSheet");
  frmBoxScore& sheet = *app.forms().find<frmBoxScore>();
  ASSERT_EQ(sheet.gameFilePath(), form->gameFilePath());
  SheetView* rushing = rushingOf(sheet);
  row({"Smi", "5", "40"});

  app.forms().show<frmNewGame>();  // the sheet's save shows in the entry form
  form->selectTabs(2, 0);
  EXPECT_EQ(itemTexts(w<QListWidget>("lstRushingRows")), QStringList{"Smith John A: 5 40 0 0"});

  click("cmdruAddNew");  // the entry form's save shows in the sheet
  for (const char* b : {"txtRushATT", "txtRushYDS", "txtRushTDS", "txtRush2PTS"}) type(b, "1");
  QTest::keyClicks(w<QComboBox>("cmbRushPlayerName")->lineEdit(), "Jones Mike B");
  prompter.answer(Answer::Ok);
  click("cmdruSave");
  QApplication::activePopupWidget()->close();  // the entry form's list of names, left open by typing
  app.forms().show<frmBoxScore>();
  ASSERT_EQ(rushing->sheetModel()->dataRows(), 2);
  EXPECT_EQ(rushing->model()->index(1, 0).data().toString(), "Jones Mike B");

  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  rushing->setFocus();  // the sheet edits the entry form's row: still two rows
  rushing->setCurrentIndex(rushing->model()->index(1, 2));
  ASSERT_EQ(target(), rushing);
  type("77");
  key(Qt::Key_Return);
  EXPECT_EQ(rowsOf(game, "rushing"),
            (Rows{{"5", "40", "0", "0", "Smith John A"}, {"1", "77", "1", "1", "Jones Mike B"}}));

  key(Qt::Key_Z, Qt::ControlModifier);  // the edit undone, in the file too
  EXPECT_EQ(rowsOf(game, "rushing")[1], (std::vector<std::string>{"1", "1", "1", "1", "Jones Mike B"}));
  rushing->setCurrentIndex(rushing->model()->index(0, 1));
  key(Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(rowsOf(game, "rushing"), (Rows{{"1", "1", "1", "1", "Jones Mike B"}}));
  key(Qt::Key_Z, Qt::ControlModifier);  // the deleted row back, after the other
  EXPECT_EQ(rowsOf(game, "rushing"),
            (Rows{{"1", "1", "1", "1", "Jones Mike B"}, {"5", "40", "0", "0", "Smith John A"}}));
  EXPECT_EQ(rushing->model()->index(0, 0).data().toString(), "Smith John A");
}

}  // namespace
}  // namespace yardmark::test
