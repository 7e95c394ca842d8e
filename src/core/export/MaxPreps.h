#pragma once
// The MaxPreps stat file of one game: an optional stat supplier ID line, a header of field names
// with Jersey first, and one line per player with figures, all separated by "|". Players are
// told apart by their jersey numbers, so every player of the game must have his own.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/games/Game.h"
#include "core/roster/Roster.h"
#include "core/text/Failure.h"

namespace yardmark {

// A field of the file and the column it is taken from.
struct MaxPrepsField {
  std::string_view name;
  GameTable table;
  int column;
};
// In the header's order, after Jersey.
std::span<const MaxPrepsField> maxPrepsFields();

// What YardMark holds that the file cannot carry; said where the coach sends it.
inline constexpr std::string_view kMaxPrepsLeftOut =
    "Blocked kicks are left out: MaxPreps counts blocked punts apart from blocked field goals, and YardMark keeps "
    "them together.";

// The game's players cannot all be told apart by number. Each list holds names as the roster
// shows them ("Smith, John A"), or as the game stores them when the roster lacks them.
class MaxPrepsRefusal : public Failure {
 public:
  struct Shared {
    std::string number;
    std::vector<std::string> players;
  };
  MaxPrepsRefusal(std::vector<std::string> withoutNumber, std::vector<Shared> sharedNumbers,
                  std::vector<std::string> notOnRoster);
  const std::vector<std::string>& withoutNumber() const { return m_withoutNumber; }
  const std::vector<Shared>& sharedNumbers() const { return m_shared; }
  const std::vector<std::string>& notOnRoster() const { return m_notOnRoster; }

 private:
  std::vector<std::string> m_withoutNumber;
  std::vector<Shared> m_shared;
  std::vector<std::string> m_notOnRoster;
};

// The file's text, lines ended by CR LF, players in jersey order. Throws MaxPrepsRefusal before
// anything is made when a player of the game has no number, shares one, or is not on the roster;
// Failure when the supplier ID is not one. Both are failures to write the file.
std::string maxPrepsFile(const Game& game, const std::vector<RosterPlayer>& roster, std::string_view supplierId = {});

// Empty when the ID (blanks trimmed) can stand on the file's first line, else why not.
std::string supplierIdProblem(std::string_view id);

// "2026_Game3_MaxPreps.txt".
std::string maxPrepsFileName(const Game& game);

}  // namespace yardmark
