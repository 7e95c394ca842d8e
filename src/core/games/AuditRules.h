#pragma once
// The game audit's rules in one table: what each checks, how serious a breach is, and the
// check itself. The audit runs them in this order.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/games/GameAudit.h"

namespace yardmark::audit {

struct Input {
  const GameData& game;
  const RosterIndex& roster;
};

// One breach as a check sees it; the audit adds the rule's id, severity and the row's bookmark.
struct Hit {
  std::string message;
  GameTable table;
  int row = -1;  // position of a player row in stored order
  int field = 0;
};
using Hits = std::vector<Hit>;

struct Rule {
  std::string_view id;
  Severity severity;
  std::string_view what;  // one line, for a list of the rules
  void (*check)(const Input&, Hits&);
};

std::span<const Rule> rules();

// The checks that look at one player row at a time (AuditRowRules.cpp).
void scorerPoints(const Input&, Hits&);
void scorerSafety(const Input&, Hits&);
void passerCompletions(const Input&, Hits&);
void rusherYards(const Input&, Hits&);
void rusherTouchdowns(const Input&, Hits&);
void receiverTouchdowns(const Input&, Hits&);
void rosterClose(const Input&, Hits&);
void rosterUnknown(const Input&, Hits&);
void sameNameTwice(const Input&, Hits&);

// Message pieces shared by the checks.
bool same(double a, double b);
std::string figure(double n);
// "Receiving yards (212) differ from passing yards (230) by 18."
std::string differ(std::string_view subject, double a, std::string_view object, double b,
                   std::string_view verb = "differ");
// "Rushing row 2 (Smith John)": the section, the row counted from 1, the name without outer blanks.
std::string rowLabel(GameTable t, int row, const StoredRow& r);
double sum(const GameData& game, GameTable t, int ordinal);

}  // namespace yardmark::audit
