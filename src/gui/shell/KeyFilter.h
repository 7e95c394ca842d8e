#pragma once
// Key filters of the text and combo boxes: the one way the key rules (KeyRules.h) reach a box.
#include <functional>
#include <string_view>

#include "core/text/KeyRules.h"

class QLineEdit;
class QWidget;

namespace yardmark {

using KeyRule = std::function<int(int key, int length)>;
// A rule that needs to see where the key goes: the box's text with any selection taken out
// (UTF-8) and the cursor's position in it.
using TextKeyRule = std::function<int(int key, std::string_view text, int cursor)>;

// Applies the rule to every character key typed into the box. Keys that type no character
// (Delete, arrows, Home) pass, as they did before. An editable combo box hands its keys to
// its line edit, so a combo's filter goes on lineEdit(). Pasted and dropped text (Ctrl+V,
// Shift+Insert, the menu's Paste, a middle click, a drop) goes in a character at a time through
// the same rule, as if typed.
void installKeyFilter(QLineEdit* box, KeyRule rule);
void installKeyFilter(QLineEdit* box, TextKeyRule rule);

// A box for a person's name: named, and taking the name rule.
QLineEdit* nameBox(QWidget* parent, const char* objectName);

}  // namespace yardmark
