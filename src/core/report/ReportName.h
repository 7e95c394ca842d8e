#pragma once
// The rules a report file name must pass before a report is written under it.
#include <optional>
#include <string>
#include <string_view>

namespace yardmark {

// The message that refuses the name, or nothing when the name may be used.
std::optional<std::string> reportNameProblem(std::string_view name);

// The longest name a report may have, in characters (not bytes, not UTF-16 units): the naming
// dialog lets no more be typed, and the command line refuses a longer one.
inline constexpr size_t kReportNameMaxChars = 20;

// The name's length as that limit counts it: the characters of its UTF-8 text.
size_t reportNameLength(std::string_view name);

}  // namespace yardmark
