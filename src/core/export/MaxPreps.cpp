#include "core/export/MaxPreps.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>

#include "core/export/SentGame.h"

namespace yardmark {

namespace {

namespace r = col::rushing;
namespace p = col::passing;
namespace c = col::receiving;
namespace s = col::scoring;
namespace d = col::defense;

constexpr MaxPrepsField kFields[] = {
    {"RushingNum", kRushing, r::kAtt},
    {"RushingYards", kRushing, r::kYds},
    {"RushingTDNum", kRushing, r::kTds},
    {"PassingComp", kPassing, p::kComp},
    {"PassingAtt", kPassing, p::kAtt},
    {"PassingYards", kPassing, p::kYds},
    {"PassingTD", kPassing, p::kTds},
    {"PassingInt", kPassing, p::kInt},
    {"ReceivingNum", kReceiving, c::kRec},
    {"ReceivingYards", kReceiving, c::kYds},
    {"ReceivingTDNum", kReceiving, c::kTds},
    {"PATKickingMade", kScoring, s::kPat},
    {"FGMade", kScoring, s::kFg},
    {"TotalPoints", kScoring, s::kPts},
    {"TotalTDNum", kScoring, s::kTd},
    {"PATRushingNum", kRushing, r::k2Pts},
    {"PATReceivingNum", kReceiving, c::k2Pts},
    {"Tackles", kDefense, d::kUnassisted},
    {"Assists", kDefense, d::kAssists},
    {"Sacks", kDefense, d::kQBSacks},
    {"PassesDefensed", kDefense, d::kPassDeflects},
    {"FumbleRecoveries", kDefense, d::kFumbleRecoveries},
    {"CausedFumbles", kDefense, d::kFumblesCaused},
    {"INTs", kDefense, d::kInts},
};

// One player of the game: his row in each player table, if any.
struct Player {
  std::string name;  // as stored
  std::array<const DataRow*, kPlayerTables.size()> rows{};
  const RosterPlayer* rostered = nullptr;
  std::string number;
};

std::string joined(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& n : names) out.append(out.empty() ? "" : "; ").append(n);
  return out;
}

std::string refusalText(const std::vector<std::string>& withoutNumber,
                        const std::vector<MaxPrepsRefusal::Shared>& shared,
                        const std::vector<std::string>& notOnRoster) {
  std::string text = "The game cannot be sent to MaxPreps: it tells players apart by their jersey numbers.";
  if (!withoutNumber.empty()) text += "\nNo number on the roster: " + joined(withoutNumber) + ".";
  for (const MaxPrepsRefusal::Shared& s : shared)
    text += "\nNumber " + s.number + " is worn by " + joined(s.players) + ".";
  if (!notOnRoster.empty()) text += "\nNot on the roster: " + joined(notOnRoster) + ".";
  return text + "\nGive every player of the game his own number in Manage Roster.";
}

std::vector<Player> playersOf(const GamePlayers& rows) {
  std::vector<Player> players;
  std::map<std::string, size_t> byName;
  for (const GameTable t : kPlayerTables) {
    for (const DataRow& row : rows.rows(t)) {
      std::string name = rowName(row);
      if (trimmed(name).empty()) name = "(a " + std::string(sectionName(t)) + " row without a name)";
      const auto [at, added] = byName.try_emplace(name, players.size());
      if (added) {
        players.emplace_back();
        players.back().name = name;
      }
      players[at->second].rows[t - kFirstPlayerTable] = &row;
    }
  }
  return players;
}

// Finds each player on the roster; refuses when any cannot be told apart by his number.
void numberPlayers(std::vector<Player>& players, const std::vector<RosterPlayer>& roster) {
  std::map<std::string, const RosterPlayer*> byText;
  for (const RosterPlayer& r : roster) byText.try_emplace(playerNameText(r.name), &r);
  std::vector<std::string> withoutNumber, notOnRoster;
  std::map<std::string, std::vector<const RosterPlayer*>> wearers;
  for (Player& p : players) {
    const auto found = byText.find(p.name);
    if (found == byText.end()) {
      notOnRoster.push_back(trimmed(p.name));
      continue;
    }
    p.rostered = found->second;
    p.number = trimmed(p.rostered->number);
    if (p.number.empty())
      withoutNumber.push_back(rosterListText(p.rostered->name));
    else if (auto& w = wearers[p.number]; std::find(w.begin(), w.end(), p.rostered) == w.end())
      w.push_back(p.rostered);
  }
  std::vector<MaxPrepsRefusal::Shared> shared;
  for (const auto& [number, who] : wearers) {
    if (who.size() < 2) continue;
    MaxPrepsRefusal::Shared s{number, {}};
    for (const RosterPlayer* r : who) s.players.push_back(rosterListText(r->name));
    shared.push_back(std::move(s));
  }
  if (!withoutNumber.empty() || !shared.empty() || !notOnRoster.empty())
    throw MaxPrepsRefusal(std::move(withoutNumber), std::move(shared), std::move(notOnRoster));
}

// Jersey order: numbers by value ("0" before "00"), then anything else by its text.
bool jerseyBefore(const std::string& a, const std::string& b) {
  const auto digits = [](const std::string& n) { return n.find_first_not_of("0123456789") == std::string::npos; };
  if (digits(a) != digits(b)) return digits(a);
  if (digits(a)) {
    const double va = numberFromText(a), vb = numberFromText(b);
    if (va != vb) return va < vb;
    if (a.size() != b.size()) return a.size() < b.size();
  }
  return a < b;
}

std::string line(const Player& p) {
  std::string out = p.number;
  for (const MaxPrepsField& f : kFields) {
    out += '|';
    if (const DataRow* row = p.rows[f.table - kFirstPlayerTable])
      out += textOfNumber(numberOf((*row)[static_cast<size_t>(f.column - 1)]));
  }
  return out + "\r\n";
}

}  // namespace

std::span<const MaxPrepsField> maxPrepsFields() { return kFields; }

MaxPrepsRefusal::MaxPrepsRefusal(std::vector<std::string> withoutNumber, std::vector<Shared> sharedNumbers,
                                 std::vector<std::string> notOnRoster)
    : Failure(FailureKind::Write, refusalText(withoutNumber, sharedNumbers, notOnRoster)),
      m_withoutNumber(std::move(withoutNumber)),
      m_shared(std::move(sharedNumbers)),
      m_notOnRoster(std::move(notOnRoster)) {}

std::string supplierIdProblem(std::string_view id) {
  const std::string kept = trimmed(id);
  if (kept.empty()) return {};
  if (kept.size() != 32)
    return "A MaxPreps stat supplier ID has 32 characters; this one has " + std::to_string(kept.size()) + ".";
  if (!std::all_of(kept.begin(), kept.end(),
                   [](char ch) { return std::isalnum(static_cast<unsigned char>(ch)) || ch == '-'; }))
    return "A MaxPreps stat supplier ID holds letters, digits and dashes only.";
  return {};
}

std::string maxPrepsFile(const Game& game, const std::vector<RosterPlayer>& roster, std::string_view supplierId) {
  if (const std::string problem = supplierIdProblem(supplierId); !problem.empty())
    throw Failure(FailureKind::Write, problem);
  const GamePlayers rows = gamePlayers(game);
  std::vector<Player> players = playersOf(rows);
  numberPlayers(players, roster);
  std::stable_sort(players.begin(), players.end(),
                   [](const Player& a, const Player& b) { return jerseyBefore(a.number, b.number); });
  std::string text;
  if (const std::string id = trimmed(supplierId); !id.empty()) text += id + "\r\n";
  text += "Jersey";
  for (const MaxPrepsField& f : kFields) text.append("|").append(f.name);
  text += "\r\n";
  for (const Player& p : players) text += line(p);
  return text;
}

std::string maxPrepsFileName(const Game& game) { return sentFileStem(game) + "_MaxPreps.txt"; }

}  // namespace yardmark
