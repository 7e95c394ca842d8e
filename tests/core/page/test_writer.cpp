// The report writer's file writing, the figures and texts of the page, and the report name rules.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "core/files/DataTree.h"
#include "core/page/PageText.h"
#include "core/page/ReportHTML.h"
#include "support/ReportFixture.h"
#include "core/report/ReportGenerator.h"
#include "core/report/ReportName.h"

using namespace yardmark;
using namespace yardmark::test;
namespace fs = std::filesystem;

namespace {

struct Written {
  Written() : tree(root.dir()), sets(tree.tmpDatabase()) {
    html.setWebDirectory((tree.reportsFolder() / "").string());
    html.setWebFilename("2007_GM1.htm");
  }
  void create() {
    html.CreateReport(sets.defense, sets.header, sets.passing, sets.quarter, sets.receiving, sets.rushing, sets.scoring,
                      sets.teamStats, sets.wins, sets.losses);
  }
  fs::path target() const { return tree.reportsFolder() / "2007_GM1.htm"; }
  TempRoot root;
  DataTree tree;
  TenSets sets;
  ReportHTML html;
};

size_t filesIn(const fs::path& dir) {
  size_t n = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) ++n;
  return n;
}

}  // namespace

TEST(UpdateHTMLFile, ReplacesTheFileWithThePageBytes) {
  Written w;
  EXPECT_EQ(w.html.UpdateHTMLFile().status, HtmlWriteResult::Status::NothingToWrite);  // before CreateReport
  EXPECT_FALSE(fs::exists(w.target()));
  w.root.writeFile("YardMark/Reports/2007_GM1.htm", std::string(100000, 'x'));
  w.create();
  const HtmlWriteResult r = w.html.UpdateHTMLFile();
  EXPECT_EQ(r.status, HtmlWriteResult::Status::Written);
  EXPECT_EQ(readBytes(w.target()), w.html.pageText());
  EXPECT_EQ(filesIn(w.tree.reportsFolder()), 2u);  // the report and css/: no partial file left
}

// A run killed while writing leaves its passing file; the next report written in the folder
// removes such files once they are a minute old, and nothing else.
TEST(UpdateHTMLFile, RemovesThePassingFilesOfKilledRuns) {
  struct Case {
    const char* name;
    int ageSeconds;
    bool removed;
  };
  const Case cases[] = {
      {".2007_GM1.htm.1234.part", 120, true},
      {".Old.html.9.part", 61, true},
      {".2007_GM1.htm.5678.part", 5, false},  // a writer may still be at work
      {"Notes.part", 120, false},             // not a passing file: not hidden
      {".keep.htm", 120, false},
      {"Week1.htm", 120, false},
  };
  Written w;
  for (const Case& c : cases) {
    const fs::path p = w.root.writeFile(std::string("YardMark/Reports/") + c.name, "partial");
    fs::last_write_time(p, fs::file_time_type::clock::now() - std::chrono::seconds(c.ageSeconds));
  }
  fs::create_directory(w.tree.reportsFolder() / ".Folder.part");
  fs::last_write_time(w.tree.reportsFolder() / ".Folder.part",
                      fs::file_time_type::clock::now() - std::chrono::hours(1));
  w.create();
  ASSERT_EQ(w.html.UpdateHTMLFile().status, HtmlWriteResult::Status::Written);
  for (const Case& c : cases) EXPECT_EQ(fs::exists(w.tree.reportsFolder() / c.name), !c.removed) << c.name;
  EXPECT_TRUE(fs::is_directory(w.tree.reportsFolder() / ".Folder.part"));
  EXPECT_EQ(readBytes(w.target()), w.html.pageText());
  EXPECT_EQ(filesIn(w.tree.reportsFolder()), std::size(cases) - 2 + 3);  // + the report, css/ and the folder
}

TEST(UpdateHTMLFile, MissingFolderIsInfo) {
  Written w;
  w.create();
  const std::string dir = (w.root.dir() / "NoSuch" / "").string();
  w.html.setWebDirectory(dir);
  const HtmlWriteResult r = w.html.UpdateHTMLFile();
  EXPECT_EQ(r.status, HtmlWriteResult::Status::FolderMissing);
  EXPECT_EQ(r.boxText, "Info");
  EXPECT_EQ(r.boxTitle, "Folder does not exist: " + dir);
  EXPECT_FALSE(fs::exists(w.root.dir() / "NoSuch"));
}

TEST(UpdateHTMLFile, WriteFailureIsError) {
  Written w;
  w.create();
  fs::create_directories(w.target() / "inside");  // a folder where the file should go
  const HtmlWriteResult r = w.html.UpdateHTMLFile();
  EXPECT_EQ(r.status, HtmlWriteResult::Status::WriteFailed);
  EXPECT_EQ(r.boxText, "Error");
  EXPECT_NE(r.errorNumber, 0);
  EXPECT_EQ(r.boxTitle, "Error in UpdateHTMLFile, err: " + std::to_string(r.errorNumber) + ", " + r.errorMessage);
  EXPECT_TRUE(fs::is_directory(w.target() / "inside"));
  EXPECT_EQ(filesIn(w.tree.reportsFolder()), 2u);
}

TEST(Figures, Rounding) {
  struct Case {
    double x, even, away;
  };
  for (const Case& c : {Case{2.5, 2, 3}, Case{3.5, 4, 4}, Case{150.5, 150, 151}, Case{151.5, 152, 152},
                        Case{3.43, 3, 3}, Case{-2.5, -2, -3}, Case{0.49, 0, 0}, Case{62.5, 62, 63}}) {
    EXPECT_EQ(roundHalfEven(c.x), c.even) << c.x;
    EXPECT_EQ(roundHalfAway(c.x), c.away) << c.x;
  }
  EXPECT_EQ(wholeText(roundHalfEven(-0.4)), "0");  // no "-0"
  EXPECT_EQ(wholeText(-3), "-3");
  EXPECT_EQ(quotientText(Value(17.0), 3), "6");
  EXPECT_EQ(quotientText(Value(17.0), 0), "0");
  EXPECT_EQ(percentText(Value(1.0), Value(3.0)), "33");
  EXPECT_EQ(percentText(Value{}, Value(3.0)), "0");
}

TEST(Figures, HtmlText) {
  const std::pair<std::string, std::string> cases[] = {
      {"Smith John", "Smith John"},
      {"A&B <\"x\">", "A&amp;B &lt;&quot;x&quot;&gt;"},
      {"M\xC3\xBCller \xC3\x89mile", "M\xFCller \xC9mile"},      // Latin-1 as single bytes
      {"\xC5\x81ukasz \xE2\x82\xAC", "&#321;ukasz &#8364;"},        // beyond Latin-1
      {"\xF0\x9F\x8F\x88", "&#127944;"},                            // four-byte sequence
      {"\xC2\x80 \xC2\x7F", "\x80 \xC2\x7F"},                         // the lowest two-byte sequence; a broken one
      {"\xC1\x80 \xE0\x9F\xBF", "\xC1\x80 \xE0\x9F\xBF"},            // overlong: bytes kept
      {"caf\xE9", "caf\xE9"},                                       // not UTF-8: byte kept
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
      {"a?.html", "A report name may not contain any of the characters \\ / : * ? \" < > |"},
      {"Week\n1.htm", kControl},
      {"a\tb.htm", kControl},
      {"\x1b[31mRed.htm", kControl},
      {"a\x7f.htm", kControl},
      {"a\x01.html", kControl},
      {"a\x1f.htm", kControl},
  };
  for (const auto& [name, message] : cases) EXPECT_EQ(reportNameProblem(name).value_or("accepted"), message) << name;
  for (const char* ok : {"x.htm", "x.html", "2007_GM1.htm", "   .htm", "Saison \xC3\xA9t\xC3\xA9.htm", "a ~.htm"})
    EXPECT_FALSE(reportNameProblem(ok)) << ok;
}
