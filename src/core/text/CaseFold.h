#pragma once
// Letter case as file names and query words are compared here: only the ASCII letters fold, so
// other letters keep their case and a name can always be found again by its bytes.
#include <algorithm>
#include <string>
#include <string_view>

namespace yardmark {

constexpr char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

inline std::string lowerAscii(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), [](char c) { return lowerAscii(c); });
  return out;
}

inline bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

}  // namespace yardmark
