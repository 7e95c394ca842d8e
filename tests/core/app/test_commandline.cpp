// The batch commands' one command line: argument lists to what was given, or the usage error.
#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace yardmark::cli {
namespace {

TEST(CommandLine, ArgumentListsGiveOptionsAndOperandsOrTheUsageError) {
  const Grammar report{.options = {{"--csv", "a directory"}, {"--no-detail"}}};
  const Grammar backup{.options = {{"--list"}}, .optionsFirst = false, .maxOperands = 1, .stray = "unknown argument"};
  struct Row {
    const Grammar& grammar;
    std::vector<std::string> args;
    std::string given, operands, problem;  // given as "option=value;", operands as "name;"
    bool help = false;
  };
  // clang-format off
  const Row rows[] = {
      {report, {"--root", "D", "--no-detail", "--csv", "C", "N", "-g", "--no"}, "--csv=C;--no-detail=;--root=D;", "N;-g;--no;", ""},
      {report, {"--", "--root"}, "", "--root;", ""},
      {report, {"--root"}, "", "", "--root needs a directory"},
      {report, {"--root", "", "N"}, "", "", "--root needs a directory"},
      {report, {"--csv", "", "N"}, "", "", "--csv needs a directory"},
      {report, {"--quiet", "--help"}, "", "", "unknown option --quiet"},
      {report, {"--help", "--quiet"}, "", "", "", true},
      {backup, {"a.zip", "--list", "--root", "D"}, "--list=;--root=D;", "a.zip;", ""},
      {backup, {"a.zip", "b.zip"}, "", "a.zip;", "unknown argument b.zip"},
      {backup, {"-v", "a.zip"}, "", "", "unknown argument -v"},
      {backup, {"a.zip", "--help"}, "", "a.zip;", "", true},
  };
  // clang-format on
  for (const Row& row : rows) {
    const Args a = parse(row.grammar, row.args);
    std::string given, operands;
    for (const auto& [option, value] : a.given) given += option + "=" + value + ";";
    for (const std::string& operand : a.operands) operands += operand + ";";
    SCOPED_TRACE(::testing::PrintToString(row.args));
    EXPECT_EQ(std::tuple(a.problem, a.help, a.status()), std::tuple(row.problem, row.help, row.help ? 0 : kExitUsage));
    if (row.problem.empty()) {
      EXPECT_EQ(std::make_pair(given, operands), std::make_pair(row.given, row.operands));
    }
  }
}

}  // namespace
}  // namespace yardmark::cli
