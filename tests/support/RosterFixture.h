#pragma once
// The roster forms on a fresh program folder: rows put into the roster database and read
// back, and widgets found by their names as a user finds them by their captions.
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "core/db/Database.h"
#include "core/roster/RosterNames.h"
#include "support/GuiFixture.h"

namespace yardmark::test {

using StoredRow = std::array<Value, 3>;

class RosterFixture : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    // The import form looks for the contacts program below the Wine folder.
    m_oldPrefix = qgetenv("WINEPREFIX");
    qputenv("WINEPREFIX", QByteArray::fromStdString((root.dir() / "wine").string()));
    window->show();
  }
  void TearDown() override {
    ShellTest::TearDown();
    qputenv("WINEPREFIX", m_oldPrefix);
  }

  void seed(const std::vector<PersonName>& people) {
    Database db(ensureRosterDatabase(app.tree()));
    Recordset rows = db.openRecordset("select * from roster");
    for (const PersonName& p : people) {
      rows.addNew();
      rows.setField(1, p.last);
      rows.setField(2, p.first);
      rows.setField(3, p.middle);
      rows.update();
    }
  }

  // The roster's rows in table order.
  std::vector<StoredRow> stored() {
    Database db(ensureRosterDatabase(app.tree()));
    std::vector<StoredRow> out;
    for (Recordset rows = db.openRecordset("select * from roster"); !rows.isEOF(); rows.moveNext())
      out.push_back({rows.field(1), rows.field(2), rows.field(3)});
    return out;
  }

  template <class W = QPushButton>
  static W* widget(QWidget* form, const char* name) {
    W* w = form->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  static void click(QWidget* form, const char* name) { QTest::mouseClick(widget(form, name), Qt::LeftButton); }

 private:
  QByteArray m_oldPrefix;
};

}  // namespace yardmark::test
