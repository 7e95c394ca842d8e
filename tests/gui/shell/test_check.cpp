// The all-sections check against fake sections: order, the sections it skips, the stopping
// rule, the pages it selects and its messages.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "gui/shell/GlobalVariables.h"
#include "support/ScriptedPrompter.h"

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
  const char* message;  // the section the message names; nullptr: none
  std::set<S> missing = {};  // sections the form does not have
};

TEST(AllSectionsCheck, SavesInOrderAndStopsAtTheFirstEmptySection) {
  const S h = S::Header, q = S::Quarter, t = S::TeamStats, ru = S::Rushing, pa = S::Passing, re = S::Receiving,
          sc = S::Scoring, de = S::Defense;
  const Case cases[] = {
      {"all complete, no player edits", {}, {ru, pa, re, sc, de}, {h, q, t}, std::nullopt, nullptr},
      {"quarter empty after a complete header", {q, t}, {}, {h, q}, {{0, -1}}, "Game Information Score"},
      {"team stats empty", {t}, {ru, pa, re, sc, de}, {h, q, t}, {{1, -1}}, "Team Stats"},
      {"rushing empty", {ru, de}, {}, {h, q, t, ru}, {{2, 0}}, "Offense Rushing"},
      {"passing empty", {pa}, {ru, re, sc, de}, {h, q, t, pa}, {{2, 1}}, "Offense Passing"},
      {"scoring empty", {sc}, {ru, pa, re, de}, {h, q, t, sc}, {{2, 0}}, "Offense Scoring"},
      {"defense empty", {de}, {}, {h, q, t, ru, pa, re, sc, de}, {{3, -1}}, "Defense"},
      {"sections needing no save are skipped", {q, ru, de}, {q, ru, pa, re, sc, de}, {h, t}, std::nullopt, nullptr},
      {"sections the form lacks are skipped", {re}, {}, {t, pa, re}, {{2, 2}}, "Offense Receiving", {h, q, ru}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedPrompter prompter;
    GlobalVariables vars(prompter);
    FakeEntry entry(vars);
    entry.shown = [&] { return prompter.records().size(); };
    entry.empty = c.empty;
    entry.idle = c.idle;
    entry.missing = c.missing;
    vars.setEntrySections(&entry);
    vars.emptyFieldFound = true;  // a stale value from an earlier check
    if (c.message) prompter.answer(Answer::Ok);

    vars.checkAllSections();

    EXPECT_EQ(entry.saved, c.saved);
    EXPECT_EQ(entry.tabs, c.tabs);
    EXPECT_EQ(vars.emptyFieldFound, c.message != nullptr);
    const QString told = QString("Fields cannot be empty.  Please enter %1 data.").arg(c.message);
    EXPECT_EQ(prompter.texts(), c.message ? QStringList{told} : QStringList{});
    if (c.message) {
      EXPECT_EQ(entry.messagesWhenSelected, 0) << "the page is selected before the message is shown";
    }
  }
  ScriptedPrompter prompter;
  GlobalVariables vars(prompter);
  vars.emptyFieldFound = true;
  vars.checkAllSections();  // no entry form: nothing to check, nothing found
  EXPECT_FALSE(vars.emptyFieldFound);
}

}  // namespace
}  // namespace yardmark::test
