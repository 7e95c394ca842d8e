#pragma once
// Key filters of the text and combo boxes. A rule sees the key as a character code (the
// typed character's code, 8 for Backspace, 13 for Enter) and the length of the box's text,
// and gives the key to use or 0 to drop it. Rules are plain functions, shared by every box
// that uses them and tested without a window.
#include <functional>
#include <string_view>

#include "core/games/NumberKeys.h"

class QLineEdit;

namespace yardmark {

using KeyRule = std::function<int(int key, int length)>;
// A rule that needs to see where the key goes: the box's text with any selection taken out
// (UTF-8) and the cursor's position in it.
using TextKeyRule = std::function<int(int key, std::string_view text, int cursor)>;

// Digits, Backspace and Enter; nothing more once the box holds 5 characters (Backspace still works).
int isItNumber(int key, int length);
// Every key but a digit.
int isItAlphaNumber(int key);
// A name box: no digits, and nothing but Backspace once the box holds more than 25 characters.
int nameKey(int key, int length);
// Digits, Backspace and Enter, with no length limit (the new-game dialog).
int digitKey(int key, int length);

// Applies the rule to every character key typed into the box. Keys that type no character
// (Delete, arrows, Home) pass, as they did before. An editable combo box hands its keys to
// its line edit, so a combo's filter goes on lineEdit(). Pasted and dropped text (Ctrl+V,
// Shift+Insert, the menu's Paste, a middle click, a drop) goes in a character at a time through
// the same rule, as if typed.
void installKeyFilter(QLineEdit* box, KeyRule rule);
void installKeyFilter(QLineEdit* box, TextKeyRule rule);

}  // namespace yardmark
