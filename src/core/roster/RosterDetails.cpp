#include "core/roster/RosterDetails.h"

#include <algorithm>

#include "core/text/KeyRules.h"
#include "core/text/NameFold.h"

namespace yardmark {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool hasDigit(std::string_view s) { return std::any_of(s.begin(), s.end(), isDigit); }

// A number on its way into a name box: "#", "1", "#12".
bool isNumberBeingTyped(std::string_view s) {
  if (!s.empty() && s.front() == '#') s.remove_prefix(1);
  return s.empty() || isJerseyNumber(s);
}

}  // namespace

bool isJerseyNumber(std::string_view text) {
  return (text.size() == 1 || text.size() == 2) && std::all_of(text.begin(), text.end(), isDigit);
}

std::optional<std::string> jerseyNumberOf(std::string_view cell) {
  std::string number = trimmed(cell);
  if (number.empty()) return number;
  if (number.front() == '#') number = trimmed(number.substr(1));
  if (!isJerseyNumber(number)) return std::nullopt;
  return number;
}

std::optional<int> gradeOf(std::string_view cell) {
  std::string text = trimmed(cell);
  if (!text.empty() && text.back() == '.') text.pop_back();
  if (text.empty()) return 0;
  static constexpr std::pair<std::string_view, int> kGrades[] = {
      {"9", 9},     {"10", 10},        {"11", 11}, {"12", 12},     {"FR", 9},  {"FRESHMAN", 9}, {"SO", 10},
      {"SOPH", 10}, {"SOPHOMORE", 10}, {"JR", 11}, {"JUNIOR", 11}, {"SR", 12}, {"SENIOR", 12}};
  const std::string folded = nameFold(text);
  for (const auto& [word, grade] : kGrades)
    if (folded == word) return grade;
  return std::nullopt;
}

std::optional<size_t> wearerOf(std::string_view number, const std::vector<RosterPlayer>& roster,
                               std::optional<size_t> self) {
  if (number.empty()) return std::nullopt;
  for (size_t i = 0; i < roster.size(); ++i)
    if (i != self && roster[i].number == number) return i;
  return std::nullopt;
}

int jerseyKey(int key, int length) {
  if (key == kBackspace || key == kEnter) return key;
  return key >= '0' && key <= '9' && length < 2 ? key : 0;
}

int nameOrNumberKey(int key, std::string_view text, int cursor) {
  if (key == kBackspace || key == kEnter) return key;
  const bool ascii = key < 0x80 && std::all_of(text.begin(), text.end(), [](char c) { return c > 0; });
  if (!ascii || cursor < 0 || static_cast<size_t>(cursor) > text.size())
    return hasDigit(text) ? 0 : isItAlphaNumber(key);
  std::string after(text);
  after.insert(static_cast<size_t>(cursor), 1, static_cast<char>(key));
  return !hasDigit(after) || isNumberBeingTyped(after) ? key : 0;
}

}  // namespace yardmark
