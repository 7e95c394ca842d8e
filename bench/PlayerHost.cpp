#include "PlayerHost.h"

#include <QComboBox>

#include "gui/entry/PlayerNameLists.h"

namespace yardmark::test {

namespace {
const char* const kQueries[kGameTableCount] = {
    "select * from header",  "select * from quarter",   "select * from teamStats", "select * from rushing",
    "select * from passing", "select * from receiving", "select * from scoring",   "select * from defense"};
}

PlayerHost::PlayerHost(App& app, std::filesystem::path game) : m_app(app), m_game(std::move(game)) {
  auto* layout = new QVBoxLayout(this);
  for (const auto& c : kPlayerSections) {
    auto* s = new PlayerSection(*this, c, this);
    layout->addWidget(s);
    m_sections.push_back(s);
  }
  app.vars().setEntrySections(this);
}

PlayerHost::~PlayerHost() { m_app.vars().setEntrySections(nullptr); }

void PlayerHost::loadGameDB() {
  ++reloads;
  m_views.clear();
  m_db.emplace(m_game, mode);
  for (const char* query : kQueries) m_views.push_back(m_db->openRecordset(query));
}

SilentSave* PlayerHost::section(EntrySection which) {
  for (PlayerSection* s : m_sections)
    if (s->config().section == which) return s;
  return nullptr;
}

void PlayerHost::activate() {
  std::vector<QComboBox*> combos;
  for (PlayerSection* s : m_sections) combos.push_back(s->nameCombo());
  loadPlayerNames(m_app.tree(), m_app.prompter(), combos);
  loadGameDB();
  for (PlayerSection* s : m_sections) s->enable();
}

Rows rowsOf(const std::filesystem::path& game, const std::string& table) {
  Database db(game, Database::Mode::ReadOnly);
  Recordset rs = db.openRecordset("select * from " + table);
  Rows rows;
  for (; rs.recordCount() > 0 && !rs.isEOF(); rs.moveNext()) {
    rows.emplace_back();
    for (int i = 1; i < rs.fieldCount(); ++i) rows.back().push_back(textOf(rs.field(i)));
  }
  return rows;
}

void seed(const std::filesystem::path& game, const std::string& table, const Rows& rows) {
  Database db(game);
  Recordset rs = db.openRecordset("select * from " + table);
  for (const auto& row : rows) {
    rs.addNew();
    for (std::size_t i = 0; i < row.size(); ++i) {
      const bool name = i + 1 == row.size();
      rs.setField(static_cast<int>(i) + 1, name ? Value(row[i]) : Value(numberFromText(row[i])));
    }
    rs.update();
  }
}

std::vector<std::string> rowFor(const PlayerSectionConfig& c, int first, const std::string& name) {
  std::vector<std::string> row;
  for (std::size_t i = 0; i < c.boxes.size(); ++i) row.push_back(std::to_string(first + static_cast<int>(i)));
  row.push_back(name);
  return row;
}

}  // namespace yardmark::test
