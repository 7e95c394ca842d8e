// The rules that look at one player row at a time: a scorer's points, a passer's completions,
// a rusher's yards and touchdowns, a receiver's touchdowns, names the roster lacks and a name
// entered twice.
#include <cmath>
#include <map>

#include "core/games/AuditRules.h"
#include "core/text/CaseFold.h"

namespace yardmark::audit {

namespace {

using T = GameTable;

template <class F>
void eachRow(const GameData& game, T table, F&& f) {
  const auto& rows = game.rows(table);
  for (size_t i = 0; i < rows.size(); ++i) f(static_cast<int>(i), rows[i]);
}

constexpr std::string_view kPointsRule = "6 x TD + PAT + 2 x 2PTS + 3 x FG";

double pointsFromFigures(const StoredRow& r) {
  return 6 * r.number(col::scoring::kTd) + r.number(col::scoring::kPat) + 2 * r.number(col::scoring::k2Pts) +
         3 * r.number(col::scoring::kFg);
}

// A figure over its bound, as "Passing row 1 (Smith John): completions (21) exceed attempts (19)."
std::string exceeds(T t, int i, const StoredRow& r, std::string_view what, double a, std::string_view bound, double b) {
  return rowLabel(t, i, r) + ": " + std::string(what) + " (" + figure(a) + ") exceed " + std::string(bound) + " (" +
         figure(b) + ").";
}

std::string quoted(const std::string& s) { return '"' + s + '"'; }

}  // namespace

std::string rowLabel(GameTable t, int row, const StoredRow& r) {
  return std::string(sectionName(t)) + " row " + std::to_string(row + 1) + " (" +
         trimmed(textOf(r.at(playerNameColumn(t)))) + ")";
}

void scorerPoints(const Input& in, Hits& hits) {
  eachRow(in.game, kScoring, [&](int i, const StoredRow& r) {
    const double points = r.number(col::scoring::kPts), figures = pointsFromFigures(r);
    if (same(points, figures) || same(points - figures, 2)) return;
    hits.push_back({rowLabel(kScoring, i, r) + ": " + differ("points", points, kPointsRule, figures), kScoring, i,
                    col::scoring::kPts});
  });
}

void scorerSafety(const Input& in, Hits& hits) {
  eachRow(in.game, kScoring, [&](int i, const StoredRow& r) {
    const double points = r.number(col::scoring::kPts), figures = pointsFromFigures(r);
    if (!same(points - figures, 2)) return;
    hits.push_back({rowLabel(kScoring, i, r) + ": points (" + figure(points) + ") are 2 more than " +
                        std::string(kPointsRule) + " (" + figure(figures) + "): a safety?",
                    kScoring, i, col::scoring::kPts});
  });
}

void passerCompletions(const Input& in, Hits& hits) {
  eachRow(in.game, kPassing, [&](int i, const StoredRow& r) {
    const double comp = r.number(col::passing::kComp), att = r.number(col::passing::kAtt);
    if (comp > att)
      hits.push_back({exceeds(kPassing, i, r, "completions", comp, "attempts", att), kPassing, i, col::passing::kComp});
  });
}

// The field is 100 yards long: no carry gains or loses more than 99.
void rusherYards(const Input& in, Hits& hits) {
  eachRow(in.game, kRushing, [&](int i, const StoredRow& r) {
    const double yards = r.number(col::rushing::kYds), att = r.number(col::rushing::kAtt);
    if (std::fabs(yards) <= 99 * att) return;
    hits.push_back(
        {exceeds(kRushing, i, r, yards < 0 ? "yards lost" : "yards", std::fabs(yards), "99 x attempts", 99 * att),
         kRushing, i, col::rushing::kYds});
  });
}

void rusherTouchdowns(const Input& in, Hits& hits) {
  eachRow(in.game, kRushing, [&](int i, const StoredRow& r) {
    const double tds = r.number(col::rushing::kTds), att = r.number(col::rushing::kAtt);
    if (tds > att)
      hits.push_back({exceeds(kRushing, i, r, "touchdowns", tds, "attempts", att), kRushing, i, col::rushing::kTds});
  });
}

void receiverTouchdowns(const Input& in, Hits& hits) {
  eachRow(in.game, kReceiving, [&](int i, const StoredRow& r) {
    const double tds = r.number(col::receiving::kTds), rec = r.number(col::receiving::kRec);
    if (tds > rec)
      hits.push_back(
          {exceeds(kReceiving, i, r, "touchdowns", tds, "receptions", rec), kReceiving, i, col::receiving::kTds});
  });
}

namespace {

// Each name of a player row the roster does not hold, with the roster name nearest to it if any.
template <class F>
void eachUnknownName(const Input& in, F&& f) {
  if (in.roster.empty()) return;
  for (const T t : kPlayerTables) {
    eachRow(in.game, t, [&](int i, const StoredRow& r) {
      const std::string name = textOf(r.at(playerNameColumn(t)));
      if (!in.roster.contains(name)) f(t, i, name, in.roster.closest(name));
    });
  }
}

}  // namespace

void rosterClose(const Input& in, Hits& hits) {
  eachUnknownName(in, [&](T t, int i, const std::string& name, const std::optional<std::string>& near) {
    if (!near) return;
    hits.push_back({std::string(sectionName(t)) + " row " + std::to_string(i + 1) + ": " + quoted(name) +
                        " is not in the roster; the closest name is " + quoted(*near) + ".",
                    t, i, playerNameColumn(t)});
  });
}

void rosterUnknown(const Input& in, Hits& hits) {
  eachUnknownName(in, [&](T t, int i, const std::string& name, const std::optional<std::string>& near) {
    if (near) return;
    hits.push_back(
        {std::string(sectionName(t)) + " row " + std::to_string(i + 1) + ": " + quoted(name) + " is not in the roster.",
         t, i, playerNameColumn(t)});
  });
}

// The report sums rows of one name into one player, so a second row is either a split entry or
// the same figures typed twice; only the coach can tell which. Names compare as he reads them:
// outer blanks and letter case aside.
void sameNameTwice(const Input& in, Hits& hits) {
  for (const T t : kPlayerTables) {
    std::map<std::string, int> firstRow;
    eachRow(in.game, t, [&](int i, const StoredRow& r) {
      const std::string name = lowerAscii(trimmed(textOf(r.at(playerNameColumn(t)))));
      if (name.empty()) return;
      const auto [seen, isNew] = firstRow.try_emplace(name, i);
      if (isNew) return;
      hits.push_back({rowLabel(t, i, r) + ": the same name as row " + std::to_string(seen->second + 1) + ".", t, i,
                      playerNameColumn(t)});
    });
  }
}

}  // namespace yardmark::audit
