#include "core/text/KeyRules.h"

#include <string>

namespace yardmark {

namespace {

bool isDigit(int c) { return c >= '0' && c <= '9'; }

// Backspace always passes; Enter and characters only while the box has room, as in isItNumber.
// Otherwise the character passes when the text it would make is one the box accepts.
template <class Accepts>
int typedInto(int key, std::string_view text, int cursor, Accepts accepts) {
  if (key == kBackspace) return key;
  if (text.size() >= static_cast<size_t>(kNumberBoxMaxChars)) return 0;
  if (key == kEnter) return key;
  if (key < 0x20 || key > 0x7e || cursor < 0 || static_cast<size_t>(cursor) > text.size()) return 0;
  std::string after(text);
  after.insert(static_cast<size_t>(cursor), 1, static_cast<char>(key));
  return accepts(std::string_view(after)) ? key : 0;
}

}  // namespace

int isItNumber(int key, int length) {
  if (!isDigit(key) && key != kBackspace && key != kEnter) return 0;
  if (key != kBackspace && length >= kNumberBoxMaxChars) return 0;
  return key;
}

int isItAlphaNumber(int key) { return isDigit(key) ? 0 : key; }

int nameKey(int key, int length) {
  key = isItAlphaNumber(key);
  if (key != kBackspace && length > 25) return 0;
  return key;
}

int digitKey(int key, int /*length*/) { return isDigit(key) || key == kBackspace || key == kEnter ? key : 0; }

int cappedKey(int key, int length, int maxChars) { return length >= maxChars ? 0 : key; }

int yardsKey(int key, std::string_view text, int cursor) {
  return typedInto(key, text, cursor, [](std::string_view s) {
    if (!s.empty() && s.front() == '-') s.remove_prefix(1);
    for (char c : s)
      if (!isDigit(c)) return false;
    return true;
  });
}

int sacksKey(int key, std::string_view text, int cursor) {
  return typedInto(key, text, cursor, [](std::string_view s) {
    const size_t dot = s.find('.');
    for (char c : s.substr(0, dot))
      if (!isDigit(c)) return false;
    return dot == std::string_view::npos || s.substr(dot) == "." || s.substr(dot) == ".5";
  });
}

}  // namespace yardmark
