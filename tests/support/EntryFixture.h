#pragma once
// The entry form opened on a game file as the game dialogs open it, with helpers that drive
// its boxes by name. Rows of the game file are read and written with the report tests' helpers
// (readRows, addRows: data fields from column 1).
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest/QTest>
#include <string>
#include <vector>

#include "gui/entry/GameLevelSection.h"
#include "gui/entry/PlayerSection.h"
#include "gui/entry/frmNewGame.h"
#include "core/db/Database.h"
#include "support/ReportFixture.h"
#include "support/GuiFixture.h"

namespace yardmark::test {

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
  void retype(const char* name, const QString& keys) const {
    box(name)->clear();
    type(name, keys);
  }
  void click(const char* name) const { QTest::mouseClick(w<QAbstractButton>(name), Qt::LeftButton); }
  bool enabled(const char* name) const { return w(name)->isEnabled(); }
  // The mode of one section of the form (GameLevelSection or PlayerSection).
  template <class S = GameLevelSection>
  typename S::Mode mode(EntrySection which) const {
    auto* s = dynamic_cast<S*>(form->section(which));
    EXPECT_NE(s, nullptr) << static_cast<int>(which);
    return s ? s->mode() : typename S::Mode{};
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
