// yardmark-report: writes a season report from game files without the forms.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "core/files/DataTree.h"
#include "core/report/ReportGenerator.h"
#include "core/report/ReportName.h"

namespace fs = std::filesystem;
using namespace yardmark;

namespace {

using cli::kExitFailure;
using cli::kExitUsage;

int usage(const char* problem) {
  if (problem) std::fprintf(stderr, "yardmark-report: %s\n", problem);
  std::fprintf(stderr,
               "usage: yardmark-report [--root DIR] NAME GAME...\n"
               "  Merges the game files, in the order given, and writes the report NAME into\n"
               "  DIR/YardMark/Reports (DIR: by default the executable's folder, or for an installed\n"
               "  program the user's data folder, $XDG_DATA_HOME or ~/.local/share).\n"
               "  Only one report is made at a time from one data folder; another run waits a few\n"
               "  seconds for it, then gives up.\n"
               "Exit status: 0 when the report was written (with a warning on standard error when\n"
               "  the temporary database could not be emptied afterwards), 1 when no report was\n"
               "  written, 2 for a wrong command line.\n");
  return kExitUsage;
}

size_t characters(const std::string& utf8) {
  size_t n = 0;
  for (unsigned char c : utf8)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

// A refused name shown with its control characters spelt out, so that none reaches the terminal.
std::string printable(const std::string& name) {
  std::string out;
  for (const char c : name) {
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

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  fs::path root;
  size_t i = 0;
  for (; i < args.size() && args[i].rfind("--", 0) == 0; ++i) {
    if (args[i] == "--") {
      ++i;
      break;
    }
    if (args[i] == "--help") return usage(nullptr), 0;
    if (args[i] != "--root") return usage(("unknown option " + args[i]).c_str());
    if (++i == args.size()) return usage("--root needs a directory");
    root = args[i];
  }
  if (i == args.size()) return usage("no report name given");
  const std::string name = args[i++];
  std::vector<fs::path> games;
  std::error_code ec;
  for (; i < args.size(); ++i) games.push_back(fs::absolute(args[i], ec));
  if (games.empty()) {
    std::fprintf(stderr, "yardmark-report: Please select one/more databases in order to generate reports.\n");
    return usage(nullptr);
  }

  if (const auto problem = reportNameProblem(name)) {
    std::fprintf(stderr, "yardmark-report: %s: %s\n", printable(name).c_str(), problem->c_str());
    return kExitFailure;
  }
  if (characters(name) > kReportNameMaxChars) {
    std::fprintf(stderr, "yardmark-report: %s: a report name has at most %zu characters\n", name.c_str(),
                 kReportNameMaxChars);
    return kExitFailure;
  }

  const auto dir = cli::programRoot("yardmark-report", root);
  if (!dir) return kExitFailure;
  const ReportGenerator generator{DataTree(fs::absolute(*dir, ec))};
  const ReportOutcome outcome = generator.generate(games, name);
  if (!outcome.ok()) {
    std::fprintf(stderr, "yardmark-report: %s\n", outcome.message.c_str());
    return kExitFailure;
  }
  std::printf("%s\n", outcome.message.c_str());
  if (!outcome.warning.empty()) std::fprintf(stderr, "yardmark-report: warning: %s\n", outcome.warning.c_str());
  return 0;
}
