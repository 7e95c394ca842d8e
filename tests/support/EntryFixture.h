#pragma once
// The entry form opened on a game file as the game dialogs open it, with helpers that drive
// its boxes by name, and one player section of it. Rows of the game file are read and written with the report tests'
// helpers (readRows, addRows: data fields from column 1).
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTreeWidget>

#include "gui/entry/GameLevelSection.h"
#include "gui/entry/PlayerSection.h"
#include "gui/entry/frmGameCheck.h"
#include "gui/entry/frmNewGame.h"
#include "support/GameFiles.h"
#include "support/GuiFixture.h"

namespace yardmark::test {

class EntryTest : public ShellTest {
 protected:
  // Game `number` of `year` made from the template, then the form opened on it.
  std::filesystem::path makeGame(const std::string& year = "2007", int number = 3) {
    return root.copyTemplate("YardMark/games/" + year + "/Game" + std::to_string(number) + ".mdb");
  }
  frmNewGame& openGame() {
    app.vars().currentGameYear = "2007";
    app.vars().currentGameNumber = 3;
    app.vars().gameOpenedFromFile = false;
    window->show();
    form = &app.forms().show<frmNewGame>();
    return *form;
  }
  // Away to another form and back: the entry form becomes active again.
  void comeBack() {
    app.forms().show<FormA>();
    app.forms().show<frmNewGame>();
  }

  template <class W = QWidget>
  W* w(const char* name) const {
    W* found = form->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QLineEdit* box(const char* name) const { return w<QLineEdit>(name); }
  QString text(const char* name) const { return box(name)->text(); }
  void type(const char* name, const QString& keys) const { QTest::keyClicks(box(name), keys); }
  void retype(const char* name, const QString& keys) const {
    box(name)->clear();
    type(name, keys);
  }
  void click(const char* name) const { QTest::mouseClick(w<QAbstractButton>(name), Qt::LeftButton); }
  GameLevelSection::Mode mode(EntrySection which) const {
    return dynamic_cast<GameLevelSection&>(*form->section(which)).mode();
  }

  void fillHeader(const QString& own = "Eagles", const QString& opp = "Hawks") {
    type("txtOwnTeamName", own);
    type("txtOppTeamName", opp);
    click("optRecWins");
  }
  // Quarter boxes in column order (1 Opp, 1 Own, 2 Opp, ...).
  void fillQuarter(const QStringList& points) {
    const char* names[] = {"txtQuarter1Opp", "txtQuarter1Own", "txtQuarter2Opp", "txtQuarter2Own",
                           "txtQuarter3Opp", "txtQuarter3Own", "txtQuarter4Opp", "txtQuarter4Own"};
    for (int i = 0; i < points.size(); ++i) type(names[i], points[i]);
  }
  void fillTeamStats() {
    for (QLineEdit* b : form->txtOT) QTest::keyClicks(b, "1");
    for (QLineEdit* b : form->txtOwT) QTest::keyClicks(b, "2");
  }

  frmNewGame* form = nullptr;
};

// A player section's rows as text: its numbers, then the name.
using Rows = std::vector<std::vector<std::string>>;
inline Rows rowsOf(const std::filesystem::path& game, const std::string& table) {
  Rows rows;
  for (const Row& r : readRows(game, table)) {
    rows.emplace_back();
    for (const Value& v : r) rows.back().push_back(textOf(v));
  }
  return rows;
}
inline void seed(const std::filesystem::path& game, const std::string& table, const Rows& rows) {
  std::vector<Row> values;
  for (const auto& r : rows) {
    values.emplace_back();
    for (std::size_t i = 0; i < r.size(); ++i)
      values.back().push_back(i + 1 == r.size() ? Value(r[i]) : Value(numberFromText(r[i])));
  }
  addRows(game, table, values);
}

// One player section of the form, on its page, over a game whose game-level rows are stored so
// that the all-sections check visits the player sections only. Each case runs for all five.
class Sections : public EntryTest, public testing::WithParamInterface<const PlayerSectionConfig*> {
 protected:
  using Mode = PlayerSection::Mode;
  const PlayerSectionConfig& c = *GetParam();
  const std::string table{gameTable(c.table).name};
  const std::filesystem::path game = writeGame(root, "YardMark/games/2007/Game3.mdb", Result::Won);
  // Another section of the same form.
  const PlayerSectionConfig& other = kPlayerSections[(c.table - kRushing + 1) % kPlayerSections.size()];

  void start() {
    openGame();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));  // the focus checks need it
    showPage();
  }
  // Away to another form and back, with this section's page shown again.
  void activate() {
    comeBack();
    showPage();
  }
  void showPage() {
    const int player = c.table - kRushing;
    form->selectTabs(player == 4 ? 3 : 2, player < 3 ? player : -1);
  }
  Mode mode() { return dynamic_cast<PlayerSection&>(*form->section(c.section)).mode(); }
  QLineEdit* box(std::size_t i) const { return w<QLineEdit>(c.boxes.at(i).name); }
  QComboBox* combo() const { return w<QComboBox>(c.combo); }
  QAbstractButton* button(const char* suffix) const { return w<QAbstractButton>(c.button(suffix).c_str()); }
  QAbstractButton* addNew() const { return w<QAbstractButton>(c.addNew); }
  QAbstractButton* undoNew() const { return w<QAbstractButton>(c.undoNew); }
  QListWidget* rowsList() const { return w<QListWidget>(("lst" + std::string(c.name) + "Rows").c_str()); }
  void press(QAbstractButton* b) const { QTest::mouseClick(b, Qt::LeftButton); }
  // Types a row into the open boxes through the key filters.
  void typeRow(const std::vector<std::string>& row) const {
    for (std::size_t i = 0; i + 1 < row.size(); ++i) QTest::keyClicks(box(i), QString::fromStdString(row[i]));
    QTest::keyClicks(combo()->lineEdit(), QString::fromStdString(row.back()));
  }
  // Add New, type, Save; the "Updated successfully" is answered.
  void addRow(const std::vector<std::string>& row) {
    press(addNew());
    typeRow(row);
    prompter.answer(Answer::Ok);
    press(button("Save"));
  }
  std::vector<std::string> shown() const {
    std::vector<std::string> row;
    for (std::size_t i = 0; i < c.boxes.size(); ++i) row.push_back(box(i)->text().toStdString());
    row.push_back(combo()->currentText().toStdString());
    return row;
  }
  Rows rows() const { return rowsOf(game, table); }
  // A row for this section: numbers first, first + 1, ..., then the name.
  std::vector<std::string> row(int first, const std::string& name) const {
    std::vector<std::string> r;
    for (std::size_t i = 0; i < c.boxes.size(); ++i) r.push_back(std::to_string(first + static_cast<int>(i)));
    r.push_back(name);
    return r;
  }
  void seedRows(int n) {
    Rows rows;
    for (int i = 1; i <= n; ++i) rows.push_back(row(10 * i, "Player " + std::string(1, char('A' + i - 1))));
    seed(game, table, rows);
  }
  QStringList listed() const { return itemTexts(rowsList()); }
  void clickListed(int index) const {
    QTest::mouseClick(rowsList()->viewport(), Qt::LeftButton, {},
                      rowsList()->visualItemRect(rowsList()->item(index)).center());
  }
  // "Player B: 20 21 ..." as the rows list shows a row.
  static QString asListed(const std::vector<std::string>& r) {
    QString text = QString::fromStdString(r.back()) + QLatin1Char(':');
    for (std::size_t i = 0; i + 1 < r.size(); ++i) text += QLatin1Char(' ') + QString::fromStdString(r[i]);
    return text;
  }
  // Add New and Save in the other section: every view is reopened.
  void otherSectionSaves() {
    press(w<QAbstractButton>(other.addNew));
    for (const auto& nb : other.boxes) QTest::keyClicks(w<QLineEdit>(nb.name), "1");
    QTest::keyClicks(w<QComboBox>(other.combo)->lineEdit(), "Other Guy");
    prompter.answer(Answer::Ok);
    press(w<QAbstractButton>(other.button("Save").c_str()));
  }
  // What the widgets offer: Edit, Delete and the four moves alike, the boxes and the name alike.
  PlayerSection::Controls controlsShown() const {
    const bool moves = button("Edit")->isEnabled(), boxes = combo()->isEnabled();
    for (const char* b : {"Delete", "First", "Previous", "Next", "Last"}) EXPECT_EQ(button(b)->isEnabled(), moves) << b;
    for (std::size_t i = 0; i < c.boxes.size(); ++i) EXPECT_EQ(box(i)->isEnabled(), boxes) << c.boxes[i].name;
    return {addNew()->isEnabled(),  !undoNew()->isHidden(), moves, button("Save")->isEnabled(), boxes,
            rowsList()->isEnabled()};
  }
  static QWidget* focused() { return QApplication::focusWidget(); }
};

// Picks the finding of this table's row and double-clicks it, as the user does.
inline void goToFinding(frmGameCheck& check, GameTable table, int row) {
  const auto& f = check.findings();
  const auto it = std::find_if(f.begin(), f.end(), [&](const Finding& x) { return x.table == table && x.row == row; });
  ASSERT_NE(it, f.end()) << "no finding on row " << row << " of table " << table;
  const QPoint at = check.lstFindings->visualItemRect(check.lstFindings->topLevelItem(int(it - f.begin()))).center();
  QTest::mouseClick(check.lstFindings->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(check.lstFindings->viewport(), Qt::LeftButton, {}, at);
}

inline const auto kAllFive = testing::Values(&kPlayerSections[0], &kPlayerSections[1], &kPlayerSections[2],
                                             &kPlayerSections[3], &kPlayerSections[4]);
inline std::string sectionName(const testing::TestParamInfo<const PlayerSectionConfig*>& info) {
  return info.param->name;
}

}  // namespace yardmark::test
