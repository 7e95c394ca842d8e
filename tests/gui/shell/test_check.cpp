// The all-sections check against fake sections: order, the sections it skips, the stopping
// rule, the pages it selects and its messages.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "support/ScriptedPrompter.h"
#include "gui/shell/GlobalVariables.h"

namespace yardmark::test {
namespace {

using S = EntrySection;

class FakeEntry : public EntrySections {
public:
  struct Section : SilentSave {
    Section(FakeEntry* e, S w) : entry(e), which(w) {}
    FakeEntry* entry;
    S which;
    void saveSilently() override {
      entry->saved.push_back(which);
      if (entry->empty.count(which)) entry->vars.emptyFieldFound = true;
    }
    bool needsSilentSave() const override { return !entry->idle.count(which); }
  };

  explicit FakeEntry(GlobalVariables& v) : vars(v) {
    for (S s : {S::Header, S::Quarter, S::TeamStats, S::Rushing, S::Passing, S::Receiving, S::Scoring, S::Defense})
      sections.try_emplace(s, this, s);
  }
  SilentSave* section(S which) override {
    if (missing.count(which)) return nullptr;
    return &sections.at(which);
  }
  void selectTabs(int ssTab1, int ssTab2) override {
    tabs = {ssTab1, ssTab2};
    messagesWhenSelected = static_cast<int>(shown());
  }
  std::function<std::size_t()> shown;

  GlobalVariables& vars;
  std::map<S, Section> sections;
  std::set<S> empty, idle, missing;
  std::vector<S> saved;
  std::optional<std::pair<int, int>> tabs;
  int messagesWhenSelected = -1;
};

struct Case {
  const char* name;
  std::set<S> empty;
  std::set<S> idle;  // sections that need no silent save (a player section with no add or edit under way)
  std::vector<S> saved;
  std::optional<std::pair<int, int>> tabs;
  const char* message;  // nullptr: none
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

const std::set<S> kAllPlayers{S::Rushing, S::Passing, S::Receiving, S::Scoring, S::Defense};
const std::vector<S> kGameLevel{S::Header, S::Quarter, S::TeamStats};
const std::vector<S> kAll{S::Header, S::Quarter, S::TeamStats, S::Rushing,
                          S::Passing, S::Receiving, S::Scoring, S::Defense};

const Case kCases[] = {
    {"all complete, no player edits", {}, kAllPlayers, kGameLevel, std::nullopt, nullptr},
    {"all complete, every player section editing", {}, {}, kAll, std::nullopt, nullptr},
    {"header empty", {S::Header, S::Quarter}, {}, {S::Header}, {{0, -1}},
     "Fields cannot be empty.  Please enter Game Information Header data."},
    {"quarter empty after a complete header", {S::Quarter, S::TeamStats}, {}, {S::Header, S::Quarter}, {{0, -1}},
     "Fields cannot be empty.  Please enter Game Information Score data."},
    {"team stats empty", {S::TeamStats}, kAllPlayers, kGameLevel, {{1, -1}},
     "Fields cannot be empty.  Please enter Team Stats data."},
    {"rushing empty", {S::Rushing, S::Defense}, {}, {S::Header, S::Quarter, S::TeamStats, S::Rushing}, {{2, 0}},
     "Fields cannot be empty.  Please enter Offense Rushing data."},
    {"passing empty", {S::Passing}, {S::Rushing, S::Receiving, S::Scoring, S::Defense},
     {S::Header, S::Quarter, S::TeamStats, S::Passing}, {{2, 1}},
     "Fields cannot be empty.  Please enter Offense Passing data."},
    {"receiving empty", {S::Receiving}, {S::Passing, S::Scoring, S::Defense},
     {S::Header, S::Quarter, S::TeamStats, S::Rushing, S::Receiving}, {{2, 2}},
     "Fields cannot be empty.  Please enter Offense Receiving data."},
    {"scoring empty", {S::Scoring}, {S::Rushing, S::Passing, S::Receiving, S::Defense},
     {S::Header, S::Quarter, S::TeamStats, S::Scoring}, {{2, 0}},
     "Fields cannot be empty.  Please enter Offense Scoring data."},
    {"defense empty", {S::Defense}, {}, kAll, {{3, -1}}, "Fields cannot be empty.  Please enter Defense data."},
    {"sections needing no save are skipped, empty or not",
     {S::Quarter, S::Rushing, S::Passing, S::Receiving, S::Scoring, S::Defense},
     {S::Quarter, S::Rushing, S::Passing, S::Receiving, S::Scoring, S::Defense}, {S::Header, S::TeamStats},
     std::nullopt, nullptr},
};

class AllSectionsCheck : public testing::TestWithParam<Case> {};

TEST_P(AllSectionsCheck, SavesInOrderAndStopsAtTheFirstEmptySection) {
  const Case& c = GetParam();
  ScriptedPrompter prompter;
  GlobalVariables vars(prompter);
  FakeEntry entry(vars);
  entry.shown = [&] { return prompter.records().size(); };
  entry.empty = c.empty;
  entry.idle = c.idle;
  vars.setEntrySections(&entry);
  vars.emptyFieldFound = true;  // a stale value from an earlier check
  if (c.message) prompter.answer(Answer::Ok);

  vars.checkAllSections();

  EXPECT_EQ(entry.saved, c.saved);
  EXPECT_EQ(entry.tabs, c.tabs);
  EXPECT_EQ(vars.emptyFieldFound, c.message != nullptr);
  EXPECT_EQ(prompter.texts(), c.message ? QStringList{c.message} : QStringList{});
  if (c.message) {
    EXPECT_EQ(entry.messagesWhenSelected, 0) << "the page is selected before the message is shown";
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, AllSectionsCheck, testing::ValuesIn(kCases), [](const auto& info) {
  std::string n;
  for (char ch : std::string(info.param.name)) n += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
  return n;
});

TEST(AllSectionsCheckWithout, SectionsTheFormDoesNotHaveAreSkipped) {
  ScriptedPrompter prompter;
  GlobalVariables vars(prompter);
  FakeEntry entry(vars);
  entry.shown = [&] { return prompter.records().size(); };
  entry.missing = {S::Header, S::Quarter, S::Rushing};
  entry.empty = {S::Receiving};
  vars.setEntrySections(&entry);
  prompter.answer(Answer::Ok);
  vars.checkAllSections();
  EXPECT_EQ(entry.saved, (std::vector<S>{S::TeamStats, S::Passing, S::Receiving}));
  EXPECT_EQ(prompter.texts(), QStringList{"Fields cannot be empty.  Please enter Offense Receiving data."});
  vars.setEntrySections(nullptr);  // no entry form: nothing to check, nothing found
  vars.checkAllSections();
  EXPECT_FALSE(vars.emptyFieldFound);
}

TEST(GlobalValues, GameFormActiveAnnouncesOnlyChanges) {
  ScriptedPrompter prompter;
  GlobalVariables vars(prompter);
  std::vector<bool> seen;
  QObject::connect(&vars, &GlobalVariables::gameFormActiveChanged, [&](bool b) { seen.push_back(b); });
  for (bool active : {true, true, false}) vars.setGameFormActive(active);
  EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace yardmark::test
