#pragma once
// The rules a report file name must pass before a report is written under it.
#include <optional>
#include <string>
#include <string_view>

namespace yardmark {

// The message that refuses the name, or nothing when the name may be used.
std::optional<std::string> reportNameProblem(std::string_view name);

// The longest name the naming dialog lets the user type.
inline constexpr size_t kReportNameMaxChars = 20;

}  // namespace yardmark
