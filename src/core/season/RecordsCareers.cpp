// The careers of the records book, and the text of a run of years.
#include <algorithm>
#include <map>
#include <unordered_map>

#include "core/season/Records.h"
#include "core/text/CaseFold.h"

namespace yardmark {

namespace {

// A name as the coach might have typed it another time: letter case and blanks left out.
std::string looseName(const std::string& name) {
  std::string out;
  for (char c : name)
    if (c != ' ' && c != '\t') out += lowerAscii(c);
  return out;
}

void addFigures(PlayerFigures& into, const PlayerFigures& more) {
  for (size_t t = 0; t < kPlayerTableCount; ++t) {
    if (!more.in[t]) continue;
    into.in[t] = true;
    for (size_t k = 0; k < kMaxFigures; ++k) into.tables[t][k] += more.tables[t][k];
  }
}

bool isYear(const std::string& s) {
  return !s.empty() && s.size() < 10 && s.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

std::string yearsText(const std::vector<std::string>& years) {
  std::string out;
  for (size_t i = 0; i < years.size();) {
    size_t j = i;
    while (j + 1 < years.size() && isYear(years[j]) && isYear(years[j + 1]) &&
           std::stol(years[j + 1]) == std::stol(years[j]) + 1)
      ++j;
    out.append(out.empty() ? "" : ", ").append(years[i]);
    if (j > i) out.append("-").append(years[j]);
    i = j + 1;
  }
  return out;
}

std::vector<Career> careersOf(const std::vector<SeasonDetail>& seasons) {
  std::vector<Career> careers;
  std::unordered_map<std::string, size_t> byKey;
  std::string key;
  for (size_t s = 0; s < seasons.size(); ++s) {
    for (const PlayerLog& p : seasons[s].players) {
      if (!playerKeyInto(p.name, key)) continue;
      auto [it, added] = byKey.emplace(key, careers.size());
      if (added) careers.push_back({textOf(p.name), {}, {}, 0, {}});
      Career& c = careers[it->second];
      c.seasons.push_back({s, p.games.size(), p.totals});
      c.games += p.games.size();
      addFigures(c.total, p.totals);
    }
  }
  // Every spelling of a loose name, in the order first met.
  std::map<std::string, std::vector<size_t>> byLoose;
  for (size_t i = 0; i < careers.size(); ++i) byLoose[looseName(careers[i].name)].push_back(i);
  for (const auto& [loose, same] : byLoose)
    for (size_t i : same)
      for (size_t j : same)
        if (i != j) careers[i].alsoAppearsAs.push_back(careers[j].name);
  std::stable_sort(careers.begin(), careers.end(), [](const Career& a, const Career& b) {
    const std::string x = lowerAscii(a.name), y = lowerAscii(b.name);
    return x != y ? x < y : a.name < b.name;
  });
  return careers;
}

}  // namespace yardmark
