#pragma once
// Key rules of the entry form's boxes that take more than digits: yards, which a rusher can
// lose, and quarterback sacks, which two players can share. Like the other key rules a rule
// sees the key as a character code (the typed character's code, 8 for Backspace, 13 for
// Enter) and gives the key to use or 0 to drop it. No widgets here.
#include <string_view>

namespace yardmark {

inline constexpr int kBackspace = 8;
inline constexpr int kEnter = 13;

// The box's text with any selection already taken out, and where the key goes in it.
// Yards: digits, "-" only as the first character, at most 5 characters ("-9999").
int yardsKey(int key, std::string_view text, int cursor);
// Sacks: digits, then at most one "." followed by nothing but "5" ("2.5"), at most 5 characters.
int sacksKey(int key, std::string_view text, int cursor);

}  // namespace yardmark
