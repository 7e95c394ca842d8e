// Roster > Import from Spreadsheet..., driven as the coach drives it, the file dialog answered
// by the test.
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <chrono>

#include "gui/roster/frmRosterImportSheet.h"
#include "support/RosterFixture.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

class RosterSheetTest : public RosterFixture {
 protected:
  void choose(const fs::path& file) {
    frmRosterImportSheet::chooseFile(
        app, [file](QWidget*, const FileQuestion&) { return QString::fromStdString(file.string()); });
  }
};

TEST_F(RosterSheetTest, ABadFileIsToldAndFromAGoodOneTheChosenPlayersAreWritten) {
  seed({{"Grennan", "Tobias", "T"}});
  // A file that gives no roster is named with its line; no form opens and nothing is written.
  const fs::path bad = root.writeFile("bad.csv", "Last,First\nAshdown,Rose\n\"Nowak,Piotr\n");
  prompter.answer(Answer::Ok);
  choose(bad);
  EXPECT_TRUE(prompter.texts().value(0).startsWith(QString::fromStdString(bad.string()) + ", line 3: "));
  EXPECT_EQ(app.forms().find<frmRosterImportSheet>(), nullptr);
  prompter.clear();

  // How spreadsheets write their files is the sheet reader's test; here a name the roster has, one
  // typed twice, one the roster may have, and a column not imported.
  choose(root.writeFile("roster.csv",
                        "Last Name;First Name;MI;Jersey;Pos;Class;Phone\r\n\"Van Buren\";Henrietta;;3;QB;Jr;5\r\n"
                        "grennan ;tobias; t;7;;;\r\nThornbury;Margaret;A.;12;K;10;\r\nThornbury;Margaret;A;12;;;\r\n"
                        "Grennan;Tobias;;;;;\r\n"));
  auto* f = app.forms().find<frmRosterImportSheet>();
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(itemTexts(f->importFrom),
            (QStringList{"Van Buren, Henrietta (#3, QB, grade 11)", "grennan, tobias t (#7) (in roster)",
                         "Thornbury, Margaret A (#12, K, grade 10)", "Thornbury, Margaret A (#12) (twice in the file)",
                         "Grennan, Tobias (maybe in roster: Grennan Tobias T)"}));
  EXPECT_EQ(f->lblOtherColumns->text(), "Columns not imported: Phone");
  prompter.answer(Answer::Ok);
  click(f, "cmdImport");
  EXPECT_EQ(prompter.texts(), QStringList{"No player is chosen to import."});
  prompter.clear();

  click(f, "cmdAddAll");
  EXPECT_EQ(itemTexts(f->importTo),
            (QStringList{"Thornbury, Margaret A (#12, K, grade 10)", "Van Buren, Henrietta (#3, QB, grade 11)"}));
  EXPECT_EQ(f->importFrom->count(), 3);
  click(f, "cmdRemoveAll");
  EXPECT_EQ(f->importFrom->count(), 5);
  // One picked by hand moves, duplicate or not.
  f->importFrom->findItems("(twice in the file)", Qt::MatchEndsWith).value(0)->setSelected(true);
  click(f, "cmdAddDatabase");
  click(f, "cmdAddAll");
  prompter.answer(Answer::Ok);
  click(f, "cmdImport");
  EXPECT_EQ(prompter.texts(), QStringList{"3 players were added to the roster."});
  EXPECT_EQ(f->importTo->count(), 0);
  EXPECT_EQ(readRoster(ensureRosterDatabase(app.tree())),
            (std::vector<RosterPlayer>{{{"Grennan", "Tobias", "T"}, "", "", 0},
                                       {{"Thornbury", "Margaret", "A"}, "12", "", 0},
                                       {{"Thornbury", "Margaret", "A"}, "12", "K", 10},
                                       {{"Van Buren", "Henrietta", ""}, "3", "QB", 11}}));
  EXPECT_EQ(stored().back()[2], Value()) << "a middle name the file lacks stays unset";
}

// A large file is read off the window's thread under a progress dialog: refused at once when no
// roster is that long, listed and moved quickly when one may be, and Cancel changes nothing.
TEST_F(RosterSheetTest, LargeFilesAreReadQuicklyAndCancelChangesNothing) {
  std::string tall = "Last,First\n", full = tall;
  for (int i = 0; i < 1000000; ++i) tall += "Smith,John\n";
  for (int i = 1; i < 10000; ++i) full.append("Smith").append(std::to_string(i)).append(",John\n");
  const fs::path tallFile = root.writeFile("tall.csv", tall);
  const auto start = std::chrono::steady_clock::now();
  prompter.answer(Answer::Ok);
  choose(tallFile);
  EXPECT_EQ(prompter.texts().value(0), QString::fromStdString(tallFile.string()) +
                                           ", line 10001: it has more than 10000 rows, more than a roster needs, so "
                                           "it is not read.");
  prompter.clear();
  QTimer::singleShot(0, [this] {
    app.forms().mainWindow()->findChild<QProgressDialog*>("dlgReadSpreadsheet")->findChild<QPushButton*>()->click();
  });
  choose(tallFile);  // the prompter fails the test on any message
  EXPECT_EQ(app.forms().find<frmRosterImportSheet>(), nullptr);
  choose(root.writeFile("full.csv", full));
  click(app.forms().find<frmRosterImportSheet>(), "cmdAddAll");
  EXPECT_EQ(app.forms().find<frmRosterImportSheet>()->importTo->count(), 9999);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

}  // namespace
}  // namespace yardmark::test
