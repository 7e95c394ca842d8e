// A save cut short by a killed program leaves its journal, and every reader of the game file
// rolls it back.
#include <gtest/gtest.h>

#include <QProcess>
#include <functional>

#include "core/games/Synopsis.h"
#include "core/report/ReportGenerator.h"
#include "support/ReportFixture.h"

namespace yardmark::test {
namespace {

TEST(EntryDurability, ASaveCutShortIsRolledBackByEveryReader) {
  namespace fs = std::filesystem;
  const Row won = headerRow("Eagles", "Hawks", 2007, 3, true);
  // Each reader meets the save cut short and sees the game as it was before it.
  const std::function<void(const TempRoot&, const fs::path&)> readers[] = {
      [](const TempRoot&, const fs::path& file) {  // the synopsis
        const Synopsis s = synopsisOf({file});
        EXPECT_TRUE(s.unreadable.empty()) << s.unreadable.front().reason;
        EXPECT_EQ(s.teams, "Eagles Vs Hawks");
      },
      [](const TempRoot& root, const fs::path& file) {  // the report
        const ReportOutcome o = ReportGenerator(DataTree(root.dir())).generate({file}, "Season.htm");
        ASSERT_TRUE(o.ok()) << o.message;
        const std::string page = readBytes(DataTree(root.dir()).reportsFolder() / "Season.htm");
        EXPECT_EQ(page.find("Interrupted"), std::string::npos);
        EXPECT_EQ(page.find("Filler"), std::string::npos);
      },
      [&won](const TempRoot&, const fs::path& file) {  // the entry form, which opens it for writing
        Recordset header = Database(file).openRecordset("select * from header");
        EXPECT_EQ(header.field("OwnTeamName"), won[0]);
      },
  };
  for (const auto& read : readers) {
    TempRoot root;
    const fs::path file = makeGame(root, "YardMark/games/2007/Game3.mdb", {.header = {won}});
    QProcess child;
    child.start(YARDMARK_SAVE_CHILD, {QString::fromStdString(root.dir().string())});
    ASSERT_TRUE(child.waitForReadyRead(20000) && child.readLine().trimmed() == "cut");
    child.kill();  // SIGKILL: no handler, no flush, no clean-up of any kind
    child.waitForFinished();
    // Part of the cut save reached the file itself; only its journal can take it back.
    ASSERT_TRUE(fs::exists(file.string() + "-journal"));
    ASSERT_NE(readBytes(file).find("Interrupted"), std::string::npos);
    read(root, file);
    EXPECT_FALSE(fs::exists(file.string() + "-journal"));
    EXPECT_EQ(readRows(file, "header"), std::vector<Row>{won});
    EXPECT_EQ(rowCount(file, "rushing"), 0);
  }
}

}  // namespace
}  // namespace yardmark::test
