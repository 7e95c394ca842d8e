#pragma once
// The entry form opened on a game file as the game dialogs open it, with helpers that drive
// its boxes by name and read the game file's rows.
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest/QTest>
#include <string>
#include <vector>

#include "entry/frmNewGame.h"
#include "gamedb/Database.h"
#include "support/GuiFixture.h"

namespace yardmark::test {

using Row = std::vector<Value>;

class EntryTest : public ShellTest {
 protected:
  // Game `number` of `year` made from the template, then the form opened on it.
  std::filesystem::path makeGame(const std::string& year = "2007", int number = 3) {
    return root.copyTemplate("YardMark/games/" + year + "/Game" + std::to_string(number) + ".mdb");
  }
  frmNewGame& openGame(const std::string& year = "2007", int number = 3) {
    app.vars().currentGameYear = QString::fromStdString(year);
    app.vars().currentGameNumber = number;
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
  void click(const char* name) const { QTest::mouseClick(w<QAbstractButton>(name), Qt::LeftButton); }
  bool enabled(const char* name) const { return w(name)->isEnabled(); }

  // Every row of a table, straight from the file.
  static std::vector<Row> rows(const std::filesystem::path& file, const char* table) {
    Database db(file, Database::Mode::ReadOnly);
    Recordset rs = db.openRecordset(std::string("select * from ") + table);
    std::vector<Row> all;
    for (; !rs.isEOF(); rs.moveNext()) {
      Row r;
      for (int i = 0; i < rs.fieldCount(); ++i) r.push_back(rs.field(i));
      all.push_back(r);
    }
    return all;
  }
  // Adds a row of numbers to a table of the file, columns 1.. in order.
  static void addRow(const std::filesystem::path& file, const char* table, const std::vector<double>& values) {
    Database db(file);
    Recordset rs = db.openRecordset(std::string("select * from ") + table);
    rs.addNew();
    for (std::size_t i = 0; i < values.size(); ++i) rs.setField(static_cast<int>(i + 1), Value(values[i]));
    rs.update();
  }
  static void addHeader(const std::filesystem::path& file, const std::string& own, const std::string& opp, double year,
                        double number, bool won) {
    Database db(file);
    Recordset rs = db.openRecordset("select * from header");
    rs.addNew();
    rs.setField(1, Value(own));
    rs.setField(2, Value(opp));
    rs.setField(3, Value(year));
    rs.setField(4, Value(number));
    rs.setField(5, Value(won));
    rs.setField(6, Value(!won));
    rs.update();
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

}  // namespace yardmark::test
