// The report page for a few small seasons, byte for byte against the reference pages; the report
// writer's file writing, the figures and texts of the page, and the report name rules.
#include <gtest/gtest.h>

#include <chrono>

#include "core/files/DataTree.h"
#include "core/page/PageText.h"
#include "core/page/ReportHTML.h"
#include "core/report/ReportName.h"
#include "support/ReportFixture.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

// Opp fields 1-10 then own fields 11-20: halves, an empty field and a text with a number.
Row statsRow(double offenseOpp, double offenseOwn) {
  return {11, 120, 6, 85, offenseOpp, 2, 5, 4, 50, 3, 12.5, 13.5, 7, 99, offenseOwn, 1, Value{}, 6, 61, "2 yds"};
}

// One game: the opponent named, every table with rows that round, are empty or must be escaped.
GameRows oneGame() {
  return {.header = {headerRow("A&B \"<\xC5\x81\xC3\xBC>\"", "Hawks", 2007, 1, true)},  // Ł, ü
          .quarter = {{Value{}, 7, 0, 14, 10, 0, 7, 3, 20, 24}},
          .teamStats = {statsRow(303, 301)},
          .rushing = {{7, 24, 1, 0, "Smith John A"},  // 3.43, 2.5 and 3.5 round half to even
                      {4, 10, 0, 2, "Jones Al "},
                      {2, 7, Value{}, 0, "O'Neil & Sons"},
                      {0, 15, 0, 0, "Zero Att"},
                      {Value{}, 15, 0, 0, "Empty Att"},
                      {3, Value{}, 0, 0, "Empty Yds"}},
          .passing = {{5, 8, 60, 1, 0, "Ames"},  // 62.5 % rounds half away from zero
                      {1, 3, 9, 0, 1, "Baker"},
                      {0, 4, 0, 0, 0, "Cole"},
                      {2, 0, 0, 0, 0, "Dunn"}},
          .receiving = {{4, 50, 1, 0, "Ames"}, {3, 10, 0, 0, "Baker"}, {Value{}, Value{}, Value{}, Value{}, Value{}}},
          .scoring = {{2, 1, 0, 1, 16, "Ames"}, {0, 0, 1, 0, 2.5, "Baker"}},
          .defense = {{3, 2, 1, 4, 5, 6, 7, 8, "Ames"},
                      {1, Value{}, 1, 0, 0, 0, 0, 0, "Baker"},
                      {1.5, 1, 0, 0, 0, 0, 0, 0, "Cole <3>"}}};
}

// Two games, the second marked neither won nor lost: per-game rows, 150.5 and 2.5 to even.
GameRows twoGames() {
  Row unmarked = headerRow("Eagles", "Owls", 2007, 2, false);
  unmarked[5] = false;
  return {.header = {headerRow("Eagles", "Hawks", 2007, 1, true), unmarked},
          .quarter = {{0, 0, 0, 0, 0, 0, 0, 0, 5, 7}},
          .teamStats = {statsRow(303, 301)},
          .rushing = {{7, 24, 1, 0, "Smith"}}};
}

TEST(ReportPage, MatchesTheReferencePages) {
  const struct {
    const char* file;
    GameRows rows;
  } cases[] = {{"no_games.htm", {}}, {"one_game.htm", oneGame()}, {"two_games.htm", twoGames()}};
  for (const auto& c : cases) {
    FilledTmp t(c.rows);
    ReportHTML html;
    const std::string page = html.CreateReport(readReportSeason(DataTree(t.root.dir()).tmpDatabase()));
    expectReference(page, "page/" + std::string(c.file));
    EXPECT_EQ(html.pageText(), page);
  }
}

// A run killed while writing leaves its passing file; the next report written in the folder
// removes such files once they are a minute old, and nothing else. The old report is replaced whole.
TEST(UpdateHTMLFile, ReplacesTheReportAndRemovesThePassingFilesOfKilledRuns) {
  struct Case {
    const char* name;
    int ageSeconds;
    bool removed;
  };
  const Case cases[] = {
      {".2007_GM1.htm.1234.part", 120, true},
      {".Old.html.9.part", 61, true},
      {".2007_GM1.htm.5678.part", 5, false},  // a writer may still be at work
      {"Notes.part", 120, false},
      {".keep.htm", 120, false},
      {"Week1.htm", 120, false},  // not hidden, not passing
  };
  TempRoot root;
  const DataTree tree(root.dir());
  ReportHTML html;
  html.setWebDirectory((tree.reportsFolder() / "").string());
  html.setWebFilename("2007_GM1.htm");
  EXPECT_EQ(html.UpdateHTMLFile().status, HtmlWriteResult::Status::NothingToWrite);  // before CreateReport
  const fs::path target = root.writeFile("YardMark/Reports/2007_GM1.htm", std::string(100000, 'x'));
  for (const Case& c : cases) {
    const fs::path p = root.writeFile(std::string("YardMark/Reports/") + c.name, "partial");
    fs::last_write_time(p, fs::file_time_type::clock::now() - std::chrono::seconds(c.ageSeconds));
  }
  fs::create_directory(tree.reportsFolder() / ".Folder.part");
  fs::last_write_time(tree.reportsFolder() / ".Folder.part", fs::file_time_type::clock::now() - std::chrono::hours(1));
  html.CreateReport(readReportSeason(tree.tmpDatabase()));
  ASSERT_EQ(html.UpdateHTMLFile().status, HtmlWriteResult::Status::Written);
  for (const Case& c : cases) EXPECT_EQ(fs::exists(tree.reportsFolder() / c.name), !c.removed) << c.name;
  EXPECT_TRUE(fs::is_directory(tree.reportsFolder() / ".Folder.part"));
  EXPECT_EQ(readBytes(target), html.pageText());
  // The report, css/ and the folder beside the files kept: no part file of this run left.
  EXPECT_EQ(std::distance(fs::directory_iterator(tree.reportsFolder()), fs::directory_iterator()),
            std::ssize(cases) - 2 + 3);
}

TEST(Figures, HtmlText) {
  const std::pair<std::string, std::string> cases[] = {
      {"Smith John", "Smith John"},
      {"A&B <\"x\">", "A&amp;B &lt;&quot;x&quot;&gt;"},
      {"M\xC3\xBCller \xC3\x89mile", "M\xFCller \xC9mile"},   // Latin-1 as single bytes
      {"\xC5\x81ukasz \xE2\x82\xAC", "&#321;ukasz &#8364;"},  // beyond Latin-1
      {"\xF0\x9F\x8F\x88", "&#127944;"},                      // four-byte sequence
      {"\xC2\x80 \xC2\x7F", "\x80 \xC2\x7F"},                 // the lowest two-byte sequence; a broken one
      {"\xC1\x80 \xE0\x9F\xBF", "\xC1\x80 \xE0\x9F\xBF"},     // overlong: bytes kept
      {"caf\xE9", "caf\xE9"},                                 // not UTF-8: byte kept
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(htmlText(in), out) << in;
}

TEST(ReportName, Rules) {
  const char* kControl = "A report name may not contain control characters such as tab, line break, escape or delete";
  const std::pair<const char*, const char*> cases[] = {
      {"", "Please name the report"},
      {".htm", "File without name"},
      {".html", "File without name"},
      {"Week1.HTM", "Extension of the file should be .html or .htm"},
      {"   ", "Extension of the file should be .html or .htm"},
      {"notes.shtml", "Extension of the file should be .html or .htm"},  // its last five characters are not ".html"
      {"../x.htm", "A report name may not contain any of the characters \\ / : * ? \" < > |"},
      {"a\\b.htm", "A report name may not contain any of the characters \\ / : * ? \" < > |"},
      {"Week\n1.htm", kControl},
      {"a\x7f.htm", kControl},
      {"a\x1f.htm", kControl},
  };
  for (const auto& [name, message] : cases) EXPECT_EQ(reportNameProblem(name).value_or("accepted"), message) << name;
  for (const char* ok : {"x.htm", "x.html", "2007_GM1.htm", "   .htm", "Saison \xC3\xA9t\xC3\xA9.htm", "a ~.htm"})
    EXPECT_FALSE(reportNameProblem(ok)) << ok;
}

}  // namespace
}  // namespace yardmark::test
