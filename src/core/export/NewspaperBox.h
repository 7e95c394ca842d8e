#pragma once
// One game as a newspaper's box score, in the customary agate style: the final score, the score
// by quarters, where and when, the team statistics and the own team's individual leaders.
// Built once as values, then written as plain text (an e-mail's body) or as HTML (a web page).
#include <array>
#include <string>
#include <vector>

#include "core/games/Game.h"
#include "core/roster/Roster.h"

namespace yardmark {

struct BoxScore {
  std::string heading;  // "Eagles 28, Hawks 21 (OT)": the winner first
  // The two teams, the visitor first, as the quarters and the team statistics show them.
  std::array<std::string, 2> teams;
  struct ScoreLine {
    std::vector<std::string> periods;  // four quarters, then overtime when there was any
    std::string total;
  };
  std::array<ScoreLine, 2> score;  // empty periods: the game holds no quarter scores
  std::string dateLine;            // "Sept. 12, at Eagles"; empty when neither is known
  struct StatRow {
    std::string label;
    std::array<std::string, 2> values;
  };
  std::vector<StatRow> stats;
  std::string leadersTeam;
  struct Leaders {
    std::string category;  // "RUSHING"
    std::vector<std::string> entries;
  };
  std::vector<Leaders> leaders;
};

// The box of a game; players' names as the roster has them: the last name where no other player
// of the roster bears it, else the first and last names. A name the roster lacks shows as stored.
BoxScore boxScore(const Game& game, const std::vector<RosterPlayer>& roster);

std::string boxText(const BoxScore& box);  // UTF-8, lines ended by LF
std::string boxHtml(const BoxScore& box);  // a UTF-8 page

// "2026_Game3_Box.txt", or ".htm".
std::string boxFileName(const Game& game, bool html);

// "Sept. 12" for "2026-09-12", as newspapers abbreviate months; empty for anything else.
std::string apDate(const std::string& isoDate);

}  // namespace yardmark
