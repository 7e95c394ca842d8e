#pragma once
// A roster player's jersey number, position and grade: how each is read and typed, and who
// else wears a number.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/roster/Roster.h"

namespace yardmark {

// One or two digits, kept as text: "0" and "00" are different numbers.
bool isJerseyNumber(std::string_view text);
// A spreadsheet cell as a jersey number: blanks and a leading "#" aside ("#12", " 7 "). Nothing
// when the cell holds something else; an empty text when it is blank.
std::optional<std::string> jerseyNumberOf(std::string_view cell);
// A grade as 9 to 12, from the number or the class word ("Fr", "So", "Jr", "Sr", spelled out or
// not, any letter case, a trailing "." aside). 0 for a blank text; nothing for anything else.
std::optional<int> gradeOf(std::string_view cell);

// The player of `roster` other than the one at `self` who wears `number`; nothing for a blank
// number.
std::optional<size_t> wearerOf(std::string_view number, const std::vector<RosterPlayer>& roster,
                               std::optional<size_t> self = std::nullopt);

// Key rules. The number box: digits, at most two. A player-name box: no digits in a name, but a
// jersey number (at most two digits, alone in the box, after an optional "#") may be typed to
// find the player who wears it.
int jerseyKey(int key, int length);
int nameOrNumberKey(int key, std::string_view text, int cursor);

}  // namespace yardmark
