// The contacts file read through the yardmark-jetread helper, on real Jet files.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <filesystem>

#include "gui/roster/JetReader.h"
#include "support/TempRoot.h"

namespace yardmark::test {
namespace {

QString path(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

TEST(JetRead, ReadsEveryContactWithItsThreeNames) {
  const auto people = readContacts(JetReader{}, path(fixture("contacts.mdb")));
  const std::vector<PersonName> expected = {
      {"Thornbury", "Margaret", "A."},
      {"Grennan", "Tobias", QString()},
      {"Castellano", "Priya", ""},
      {"Van Buren", "Henrietta", "Louise"},
      {"O'Neil", "Declan", "Patrick"},
      {QString::fromUtf8("Ferreira"), QString::fromUtf8("Jos\xc3\xa9"), "Manuel"},
      {"Nowak", QString::fromUtf8("\xc5\x81ukasz"), "Piotr"},
      {"Ashdown", QString(), "Rose"},
  };
  EXPECT_EQ(people, expected);
  EXPECT_TRUE(people[1].middle.isNull());   // NULL in the file
  EXPECT_FALSE(people[2].middle.isNull());  // an empty text in the file
  EXPECT_TRUE(people[7].first.isNull());

  const auto rows = JetReader{}.readTable(path(fixture("contacts.mdb")), "tblContactDetails");
  ASSERT_EQ(rows.size(), 8u);
  EXPECT_EQ(rows[4], (JetRow{"5", "Declan", "Patrick", "O'Neil", "declan.oneil@example.com", "555-0105",
                             "Ask about the \"blue\" project", "1964-07-22 00:00:00"}));
  EXPECT_TRUE(JetReader{}.readTable(path(fixture("contacts_empty.mdb")), "tblContactDetails").empty());
}

TEST(JetRead, EveryFailureOfTheHelperComesBackWithAReason) {
  TempRoot root;
  const auto notJet = root.writeFile("plain/contacts.mdb", "Name,Phone\nSmith,555\n");
  const auto empty = root.writeFile("zero/contacts.mdb", "");
  const auto hangs = root.writeFile("bin/hangs", "#!/bin/sh\nexec sleep 30\n");
  std::filesystem::permissions(hangs, std::filesystem::perms::owner_all);
  struct Case {
    std::filesystem::path file;
    QString helper;  // empty: the real one
    QString reason;
  };
  const Case cases[] = {
      {root.dir() / "nothing.mdb", {}, "Could not find file"},
      {notJet, {}, "is not a Jet database file"},
      {empty, {}, "is damaged: its list of tables cannot be read."},
      {fixture("contacts_notable.mdb"), {}, "The table 'tblContactDetails' does not exist"},
      {fixture("contacts_crash_m58.mdb"), {}, "damaged"},
      {fixture("contacts_crash_m200.mdb"), {}, "tblContactDetails"},
      {fixture("contacts.mdb"), path(hangs), "gave no answer within 0.5 seconds"},
      {fixture("contacts.mdb"), path(root.dir() / "bin/missing"), "could not be started"},
  };
  for (const Case& c : cases) {
    JetReader reader;
    reader.timeLimitMs = 500;
    if (!c.helper.isEmpty()) reader.helperPath = c.helper;
    QElapsedTimer timer;
    timer.start();
    try {
      readContacts(reader, path(c.file));
      ADD_FAILURE() << c.file << " was read";
    } catch (const JetReadError& e) {
      EXPECT_TRUE(e.description().contains(c.reason)) << e.description().toStdString();
      EXPECT_FALSE(e.description().contains('\n')) << e.description().toStdString();
    }
    EXPECT_LT(timer.elapsed(), 5000) << c.file;
  }
}

}  // namespace
}  // namespace yardmark::test
