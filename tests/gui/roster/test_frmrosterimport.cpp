// The imports from the contacts database and from a spreadsheet, driven as the coach drives
// them, the file dialog answered by the test. How each damaged file reads is the readers' own
// test; here the form tells it and goes on.
#include <QLabel>
#include <QProgressDialog>

#include "gui/roster/frmRoster.h"
#include "gui/roster/frmRosterImport.h"
#include "gui/roster/frmRosterImportSheet.h"
#include "gui/shell/FolderFileLists.h"
#include "support/RosterFixture.h"
#include "support/StopWhileHanging.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

class RosterImportTest : public RosterFixture {
 protected:
  // The contacts program's folder where Wine keeps it, spelt in another letter case.
  fs::path installContacts() {
    const fs::path folder = root.dir() / "wine/drive_c/program files/Carrowby Athletics/RALLYBOOK Contacts";
    fs::create_directories(folder);
    fs::copy_file(fixture("contacts.mdb"), folder / "Contacts.MDB");
    return folder;
  }
  frmRosterImport& open() { return app.forms().show<frmRosterImport>(); }
  frmRosterImport& begin() {
    installContacts();
    frmRosterImport& f = open();
    click(&f, "cmdBegin");
    return f;
  }
  static void select(QListWidget* list, std::initializer_list<int> rows) {
    list->clearSelection();
    for (int r : rows) list->item(r)->setSelected(true);
  }
};

const QStringList kListed =
    QString::fromUtf8(
        "Thornbury, Margaret A.|Grennan, Tobias |Castellano, Priya |Van Buren, Henrietta Louise|"
        "O'Neil, Declan Patrick|Ferreira, Jos\xc3\xa9 Manuel|Nowak, \xc5\x81ukasz Piotr|Ashdown,  Rose")
        .split('|');

TEST_F(RosterImportTest, OpensOnTheContactsFolderOrSaysItIsMissingAndACancelledReadKeepsTheList) {
  prompter.answer(Answer::Ok);
  frmRosterImport& missing = open();
  EXPECT_EQ(prompter.texts(), QStringList{"Rallybook Contacts Application Not Found.  If you installed it in "
                                          "another directory other than the default, please locate it."});
  EXPECT_TRUE(missing.isVisible());
  missing.unload();

  // Installed: the list opens on the folder, under the folders above it and over its
  // subfolders, hidden ones too (Wine's own folder is hidden); Enter on a subfolder opens that one.
  const fs::path folder = installContacts();
  fs::create_directory(folder / "Backup");
  fs::create_directory(folder / ".wine");
  frmRosterImport& f = open();
  EXPECT_EQ(std::pair(prompter.records().size(), f.folders().openFolder()), std::pair(size_t{1}, folder));
  const QStringList tree = itemTexts(f.Dir1);
  EXPECT_EQ(tree.first(), "/");
  EXPECT_EQ(tree.mid(tree.size() - 3), (QStringList{"RALLYBOOK Contacts", ".wine", "Backup"}));
  EXPECT_EQ(f.Dir1->currentItem()->text() + f.Dir1->currentItem()->toolTip(),
            "RALLYBOOK Contacts" + QString::fromStdString(folder.string()));
  f.Dir1->setFocus();
  QTest::keyClick(f.Dir1, Qt::Key_End);
  QTest::keyClick(f.Dir1, Qt::Key_Return);
  EXPECT_EQ(f.folders().openFolder(), folder / "Backup");
  ASSERT_TRUE(f.folders().open(folder / "Backup" / ".."));
  EXPECT_EQ(f.folders().openFolder(), folder);

  click(&f, "cmdBegin");
  EXPECT_EQ(itemTexts(f.importFrom), kListed);
  EXPECT_FALSE(f.Dir1->isVisible() || f.Label1->isVisible());
  // The window keeps handling events while the reader hangs; Cancel kills it at once.
  StopWhileHanging user(root.dir() / "bin", "dlgReadContacts");
  f.reader().program = user.program();
  click(&f, "cmdBegin");
  user.expectStoppedAtOnce();
  EXPECT_EQ(std::pair(prompter.records().size(), itemTexts(f.importFrom)), std::pair(size_t{1}, kListed));
}

TEST_F(RosterImportTest, MovesTheChosenEntriesAndWritesEachContactsThreeNames) {
  seed({{"Keep", "Me", "K"}});
  frmRosterImport& f = begin();
  select(f.importFrom, {0, 2});
  click(&f, "cmdAddDatabase");
  expectReference(formState(&f, root.dir()), "roster/import_moved.txt");
  select(f.importTo, {0});
  click(&f, "cmdRemoveDatabase");
  EXPECT_EQ(itemTexts(f.importTo), QStringList({"Thornbury, Margaret A."}));
  EXPECT_EQ(f.importFrom->item(f.importFrom->count() - 1)->text(), "Castellano, Priya ");
  click(&f, "cmdRemoveAll");
  EXPECT_EQ(f.importTo->count(), 0);
  click(&f, "cmdAddAll");
  EXPECT_EQ(f.importFrom->count(), 0);

  // A roster that cannot be written keeps the list and is told.
  const fs::path roster = root.databases() / "yardMark_roster.mdb", kept = root.dir() / "kept.mdb";
  fs::rename(roster, kept);
  root.writeFile("YardMark/databases/yardMark_roster.mdb", "not a database");
  prompter.answer(Answer::Ok);
  click(&f, "cmdImport");
  const QString told = prompter.texts().value(0);
  EXPECT_TRUE(told.startsWith("Error...") && told.contains(QString::fromStdString(roster.string())))
      << told.toStdString();
  EXPECT_EQ(std::pair(f.importTo->count(), readBytes(roster)), std::pair(8, std::string("not a database")));

  fs::remove(roster);
  fs::rename(kept, roster);
  prompter.clear();
  click(&f, "cmdImport");
  EXPECT_EQ(f.importTo->count(), 0);
  // In the order of the sorted import list; nothing of a name is lost to a blank.
  const Value none;
  EXPECT_EQ(stored(), (std::vector<StoredRow>{
                          {"Keep", "Me", "K"},
                          {"Ashdown", none, "Rose"},
                          {"Castellano", "Priya", none},
                          {"Ferreira", "Jos\xc3\xa9", "Manuel"},
                          {"Grennan", "Tobias", none},
                          {"Nowak", "\xc5\x81ukasz", "Piotr"},
                          {"O'Neil", "Declan", "Patrick"},
                          {"Thornbury", "Margaret", "A"},
                          {"Van Buren", "Henrietta", "Louise"},
                      }));
  EXPECT_TRUE(prompter.records().empty());

  click(&f, "cmdViewCurrentRoster");
  QCoreApplication::processEvents();
  EXPECT_EQ(app.forms().find<frmRosterImport>(), nullptr);
  ASSERT_NE(app.forms().find<frmRoster>(), nullptr);
  EXPECT_EQ(app.forms().find<frmRoster>()->importFrom->count(), 9);
}

TEST_F(RosterImportTest, AFileThatCannotBeReadIsToldAndTheFormGoesOn) {
  struct Case {
    const char* file;  // nullptr: the folder has no contacts file
    QString message;
  };
  const Case cases[] = {
      {nullptr, "Rallybook Contacts Application Not Found"},
      {"contacts_notable.mdb", "Error...The table 'tblContactDetails' does not exist in '%1'."},
      {"contacts_empty.mdb", {}},
  };
  prompter.answer(Answer::Ok);
  frmRosterImport& f = open();
  for (const Case& c : cases) {
    prompter.clear();
    const fs::path folder = root.dir() / "folders" / (c.file ? c.file : "none");
    fs::create_directories(folder);
    const fs::path file = folder / "contacts.mdb";
    if (c.file) fs::copy_file(fixture(c.file), file);
    ASSERT_TRUE(f.folders().open(folder));
    if (!c.message.isEmpty()) prompter.answer(Answer::Ok);
    click(&f, "cmdBegin");
    const QString expected =
        c.message.contains("%1") ? c.message.arg(QString::fromStdString(file.string())) : c.message;
    EXPECT_EQ(prompter.texts(), c.message.isEmpty() ? QStringList() : QStringList{expected}) << c.file;
    for (const auto& r : prompter.records()) {
      EXPECT_EQ(std::pair(r.icon, r.title), std::pair(Icon::Critical, QString("Error Finding File...")));
    }
    EXPECT_EQ(std::pair(f.importFrom->count(), f.Dir1->isVisible()), std::pair(0, true));
  }
}

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
  choose({});  // Cancel in the file dialog: nothing is told
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
  expectReference(formState(f, root.dir()), "roster/sheet_read.txt");
  prompter.answer(Answer::Ok);
  click(f, "cmdImport");
  EXPECT_EQ(prompter.texts(), QStringList{"No player is chosen to import."});
  prompter.clear();

  click(f, "cmdAddAll");
  expectReference(formState(f, root.dir()), "roster/sheet_all.txt");
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
