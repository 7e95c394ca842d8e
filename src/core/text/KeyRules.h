#pragma once
// The key rules of every text and combo box, in one place and free of widgets (the GUI applies
// them through its key filter, to typed, pasted and dropped text alike). A rule sees the key as
// a character code (the typed character's code, 8 for Backspace, 13 for Enter) and gives the
// key to use or 0 to drop it.
#include <string_view>

namespace yardmark {

inline constexpr int kBackspace = 8;
inline constexpr int kEnter = 13;
// The longest text of a number box of the entry form ("-9999", "99999", "2.5").
inline constexpr int kNumberBoxMaxChars = 5;

// Rules that see the length of the box's text, in characters.
// Digits, Backspace and Enter; nothing more once the box is full (Backspace still works).
int isItNumber(int key, int length);
// Every key but a digit.
int isItAlphaNumber(int key);
// A name box: no digits, and nothing but Backspace once the box holds more than 25 characters.
int nameKey(int key, int length);
// Digits, Backspace and Enter, with no length limit (the new-game dialog).
int digitKey(int key, int length);
// Nothing at all once the box holds maxChars characters, Backspace included (Delete types no
// character, so it still shortens the text).
int cappedKey(int key, int length, int maxChars);

// Rules that see the box's text with any selection already taken out, and where the key goes.
// Yards: digits, "-" only as the first character, at most 5 characters ("-9999").
int yardsKey(int key, std::string_view text, int cursor);
// Sacks: digits, then at most one "." followed by nothing but "5" ("2.5"), at most 5 characters.
int sacksKey(int key, std::string_view text, int cursor);

}  // namespace yardmark
