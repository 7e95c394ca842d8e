#include "core/report/ReportName.h"

#include <algorithm>

namespace yardmark {

namespace {

bool endsWith(std::string_view s, std::string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

}  // namespace

size_t reportNameLength(std::string_view name) {
  return static_cast<size_t>(
      std::count_if(name.begin(), name.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::optional<std::string> reportNameProblem(std::string_view name) {
  if (name.empty()) return "Please name the report";
  if (name == ".html" || name == ".htm") return "File without name";
  if (!endsWith(name, ".htm") && !endsWith(name, ".html")) return "Extension of the file should be .html or .htm";
  // A folder in the name would put the report outside the reports folder.
  if (name.find_first_of("\\/:*?\"<>|") != std::string_view::npos)
    return "A report name may not contain any of the characters \\ / : * ? \" < > |";
  // They would become part of the file name and reach a terminal that prints it.
  if (std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }))
    return "A report name may not contain control characters such as tab, line break, escape or delete";
  // The file would be hidden: written, then never listed for opening.
  if (name.front() == '.') return "A report name may not start with a dot, since the report would be hidden";
  if (reportNameLength(name) > kReportNameMaxChars)
    return "A report name has at most " + std::to_string(kReportNameMaxChars) + " characters";
  return std::nullopt;
}

}  // namespace yardmark
