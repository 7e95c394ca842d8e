#include "core/games/GameNumbers.h"

#include <algorithm>

#include "core/text/CaseFold.h"

namespace yardmark {

std::optional<long> gameNumberOf(std::string_view name) {
  constexpr std::string_view head = "game", tail = ".mdb";
  if (name.size() <= head.size() + tail.size()) return std::nullopt;
  if (!equalsIgnoringCase(name.substr(0, head.size()), head) ||
      !equalsIgnoringCase(name.substr(name.size() - tail.size()), tail))
    return std::nullopt;
  const std::string_view digits = name.substr(head.size(), name.size() - head.size() - tail.size());
  // A name too long to be a number the dialog made is no game number.
  if (digits.size() > 9 || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  return std::stol(std::string(digits));
}

long nextGameNumber(const std::vector<std::string>& fileNames) {
  long highest = 0;
  for (const std::string& name : fileNames)
    if (const auto n = gameNumberOf(name)) highest = std::max(highest, *n);
  return highest + 1;
}

}  // namespace yardmark
