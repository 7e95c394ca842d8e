// The merge of game files into the temporary database.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/files/DataTree.h"
#include "core/report/Consolidator.h"
#include "core/season/Season.h"
#include "support/ReportFixture.h"

using namespace yardmark;
using namespace yardmark::test;
namespace fs = std::filesystem;

namespace {

struct Merge {
  Merge() : tree(root.dir()), merge(tree.tmpDatabase(), tree.masterTemplate()) {}
  fs::path game(const std::string& name, const GameRows& rows) {
    return makeGame(root, "YardMark/games/2007/" + name, rows);
  }
  std::vector<Row> rows(std::string_view table) const { return readRows(tree.tmpDatabase(), table); }
  TempRoot root;
  DataTree tree;
  Consolidator merge;
};

Row quarter(double base) {
  Row r;
  for (int k = 0; k < 10; ++k) r.emplace_back(base + k);
  return r;
}

}  // namespace

// The second game given twice, read only: its player tables summed each over its own width.
TEST(Merge, PlayersByExactNameAndEveryTableOverItsOwnWidth) {
  Merge m;
  // Smith twice in one game.
  const fs::path a = m.game("Game1.mdb", {.rushing = {{1, 10, 0, 0, "Smith"},
                                                      {2, 20, 1, 0, "smith"},
                                                      {3, 30, 0, 1, "Smith "},
                                                      {4, 40, 0, 0, "Smith"},
                                                      {5, 50, 0, 0, Value{}},
                                                      {6, 60, 0, 0, Value{}}}});
  const fs::path b = m.game("Game2.mdb", {.rushing = {{10, 100, 1, 1, "Jones"}, {Value{}, 7, 1, 0, "Smith"}},
                                          .passing = {{1, 2, 3, 4, 5, "P"}},
                                          .receiving = {{1, 2, 3, 4, "R"}},
                                          .scoring = {{1, 2, 3, 4, 5, "S"}},
                                          .defense = {{1, 2, 3, 4, 5, 6, 7, 8, "D"}}});
  const std::string before = readBytes(b);
  fs::permissions(b, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  m.merge.createConsolidated(readSeason({a, b, b}));
  EXPECT_EQ(readBytes(b), before);
  // First-met order; case and blanks count; a name without a value matches nothing.
  EXPECT_EQ(m.rows("rushing"), (std::vector<Row>{{5, 64, 2, 0, "Smith"},
                                                 {2, 20, 1, 0, "smith"},
                                                 {3, 30, 0, 1, "Smith "},
                                                 {5, 50, 0, 0, Value{}},
                                                 {6, 60, 0, 0, Value{}},
                                                 {20, 200, 2, 2, "Jones"}}));
  EXPECT_EQ(m.rows("passing"), (std::vector<Row>{{2, 4, 6, 8, 10, "P"}}));
  EXPECT_EQ(m.rows("receiving"), (std::vector<Row>{{2, 4, 6, 8, "R"}}));
  EXPECT_EQ(m.rows("scoring"), (std::vector<Row>{{2, 4, 6, 8, 10, "S"}}));
  EXPECT_EQ(m.rows("defense"), (std::vector<Row>{{2, 4, 6, 8, 10, 12, 14, 16, "D"}}));
}

// The copy's own failure is the reason told, not that of the cleanup after it.
TEST(Merge, ATmpDatabaseThatCannotBeMadeSaysWhyAndLeavesNothing) {
  const struct {
    const char* name;
    void (*spoil)(const fs::path& master);
    std::string reason;
  } cases[] = {
      {"no template", [](const fs::path& master) { fs::remove(master); }, "No such file or directory"},
      {"a named pipe",  // never opened: it would block for ever
       [](const fs::path& master) {
         fs::remove(master);
         ASSERT_EQ(mkfifo(master.c_str(), 0644), 0);
       },
       "it is not a regular file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Merge m;
    fs::remove(m.tree.tmpDatabase());
    c.spoil(m.tree.masterTemplate());
    try {
      m.merge.ensureTmpDatabase();
      ADD_FAILURE() << "made";
    } catch (const MergeError& e) {
      EXPECT_EQ(e.reason(), "The temporary database is missing and could not be made from the master template '" +
                                m.tree.masterTemplate().string() + "': " + c.reason + ".");
    }
    EXPECT_FALSE(fs::exists(m.tree.tmpDatabase()));
    EXPECT_FALSE(fs::exists(m.tree.tmpDatabase().string() + ".new"));
  }
}

// A game's row is copied with its empty fields; text stored by another program into a number
// column (touchdowns) reads as the figure typing it would give.
TEST(Merge, CopiedRowsKeepEmptyFieldsAndReadTextAsItsFigure) {
  const std::pair<Value, Value> cases[] = {{"abc", 0},   {"NaN", 0}, {"0x10", 0},  {"inf", 0},     {"-Infinity", 0},
                                           {"1e999", 0}, {"", 0},    {"7 yds", 7}, {" 2.5 ", 2.5}, {Value{}, Value{}}};
  Merge m;
  Row q = quarter(1);
  q[2] = Value{};
  GameRows g{.quarter = {q}};
  std::vector<Row> expected;
  for (const auto& [stored, figure] : cases) {
    const std::string name = std::string(1, 'P').append(std::to_string(expected.size()));
    g.rushing.push_back({4, 12, stored, 0, name});
    expected.push_back({4, 12, figure, 0, name});
  }
  m.merge.createConsolidated(readSeason({m.game("Game1.mdb", g)}));
  EXPECT_EQ(m.rows("quarter"), std::vector<Row>{q});
  EXPECT_EQ(m.rows("rushing"), expected);
}
