#include "core/text/ShownText.h"

#include <cstdio>

namespace yardmark {

std::string spellControls(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x20 && u != 0x7F) {
      out += c;
      continue;
    }
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\x%02X", u);
    out += escaped;
  }
  return out;
}

std::string withReason(std::string text, std::string_view reason) {
  // Libraries word "nothing went wrong" in several ways; none of them is a reason.
  if (reason.empty() || reason == "No error" || reason == "Success" || reason == "not an error") return text;
  return text.append(" (").append(reason).append(")");
}

}  // namespace yardmark
