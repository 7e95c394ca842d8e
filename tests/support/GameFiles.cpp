#include "support/GameFiles.h"

#include <functional>
#include <random>

#include "core/db/Database.h"

namespace yardmark::test {

namespace fs = std::filesystem;

namespace {

void addRow(Database& db, const char* query, int columns, const std::function<Value(int)>& value) {
  Recordset rs = db.openRecordset(query);
  rs.addNew();
  for (int i = 1; i <= columns; ++i) rs.setField(i, value(i));
  rs.update();
}

}  // namespace

fs::path writeGame(const TempRoot& root, const std::string& relative, Result result, const std::string& own,
                   const std::string& opp) {
  const fs::path file = root.copyTemplate(relative);
  Database db(file);
  if (result != Result::NoHeader) {
    const Value header[] = {own, opp, 2007, 1, result == Result::Won, result == Result::Lost};
    addRow(db, "select * from header", 6, [&](int i) { return header[i - 1]; });
  }
  addRow(db, "select * from quarter", 10, [](int i) { return Value(i); });
  addRow(db, "select * from teamStats", 20, [](int i) { return Value(i * 3); });
  return file;
}

fs::path writeDamaged(const TempRoot& root, const std::string& relative, Damage damage) {
  switch (damage) {
    case Damage::ZeroBytes:
      return root.writeFile(relative, "");
    case Damage::Text:
      return root.writeFile(relative, "Game notes, not a database\n");
    case Damage::JetFile:
      return root.writeFile(relative, readBytes(fixture("contacts.mdb")));
    case Damage::RandomBytes: {
      std::mt19937 random(7);
      std::string bytes(8192, '\0');
      for (char& c : bytes) c = static_cast<char>(random());
      return root.writeFile(relative, bytes);
    }
  }
  return {};
}

}  // namespace yardmark::test
