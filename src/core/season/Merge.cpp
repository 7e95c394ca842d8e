#include "core/season/Merge.h"

namespace yardmark {

namespace {

// Empty fields count as 0 when added; the first `fields` fields are added.
void addInto(DataRow& into, const DataRow& row, size_t fields) {
  for (size_t k = 0; k < fields; ++k) into[k] = Value(numberOf(into[k]) + numberOf(row[k]));
}

}  // namespace

void SeasonMerge::add(const Game& game) {
  for (size_t t = 0; t < kGameTableCount; ++t) {
    const auto& rows = game.tables[t];
    if (rows.empty()) continue;
    auto& into = m_tables[t];
    const DataRow& first = rows.front().fields;
    const MergeRule rule = gameTables()[t].merge;
    if (rule == MergeRule::NewRowPerGame) {
      into.push_back(first);  // further rows of a game are ignored
    } else if (rule == MergeRule::RunningRow) {
      if (into.empty())
        into.push_back(first);
      else
        addInto(into.front(), first, first.size());
    } else {
      for (const GameRow& row : rows) addPlayer(t, row.fields);
    }
  }
}

void SeasonMerge::addPlayer(size_t t, const DataRow& row) {
  const bool named = playerKeyInto(row.back(), m_key);
  const auto found = named ? m_byName[t].find(m_key) : m_byName[t].end();
  if (found != m_byName[t].end()) {
    addInto(m_tables[t][found->second], row, row.size() - 1);  // the name is not written
  } else {
    if (named) m_byName[t].emplace(m_key, m_tables[t].size());
    m_tables[t].push_back(row);
  }
}

MergedTables mergeGames(const std::vector<Game>& games) {
  SeasonMerge merger;
  for (const Game& game : games) merger.add(game);
  return merger.take();
}

}  // namespace yardmark
