#include "core/report/ReportName.h"

namespace yardmark {

namespace {

bool endsWith(std::string_view s, std::string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

}  // namespace

std::optional<std::string> reportNameProblem(std::string_view name) {
  if (name.empty()) return "Please name the report";
  if (name == ".html" || name == ".htm") return "File without name";
  if (!endsWith(name, ".htm") && !endsWith(name, ".html")) return "Extension of the file should be .html or .htm";
  // A folder in the name would put the report outside the reports folder.
  if (name.find_first_of("\\/:*?\"<>|") != std::string_view::npos)
    return "A report name may not contain any of the characters \\ / : * ? \" < > |";
  return std::nullopt;
}

}  // namespace yardmark
