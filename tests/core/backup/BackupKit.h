#pragma once
// What the back-up tests share: a small data folder, archives written by hand, and the files
// below a folder with their bytes.
#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>
#include <zip.h>

#include <functional>
#include <map>

#include "core/backup/Restore.h"
#include "support/ReportFixture.h"

namespace yardmark::test {

// Every file below a folder with its bytes, by path relative to it.
inline std::map<std::string, std::string> filesBelow(const std::filesystem::path& dir) {
  std::map<std::string, std::string> out;
  for (const auto& e : std::filesystem::recursive_directory_iterator(dir))
    if (e.is_regular_file()) out[e.path().lexically_relative(dir).string()] = readBytes(e.path());
  return out;
}

// An archive of the given entries; a name ending in "@" is stored as a link.
inline void writeZip(const std::filesystem::path& file,
                     const std::vector<std::pair<std::string, std::string>>& entries) {
  int code = 0;
  zip_t* z = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  ASSERT_NE(z, nullptr);
  for (const auto& [name, bytes] : entries) {
    const bool link = name.ends_with('@');
    const std::string n = link ? name.substr(0, name.size() - 1) : name;
    const zip_int64_t i =
        zip_file_add(z, n.c_str(), zip_source_buffer(z, bytes.data(), bytes.size(), 0), ZIP_FL_ENC_UTF_8);
    if (link) zip_file_set_external_attributes(z, static_cast<zip_uint64_t>(i), 0, ZIP_OPSYS_UNIX, 0120777u << 16);
  }
  ASSERT_EQ(zip_close(z), 0);
}

using Entries = std::vector<std::pair<std::string, std::string>>;

// An archive whose list names one file of the bytes' size, and that holds those bytes unless told not to.
inline Entries listing(const std::string& name, const std::string& bytes, bool held = true, const char* eol = "\n") {
  Entries e{{"yardmark-backup.txt", std::string("YardMark backup 1") + eol + "created now" + eol + "file " +
                                        std::to_string(bytes.size()) + " " + name + "\n"}};
  if (held) e.emplace_back(name, bytes);
  return e;
}

// What a call throws as a BackupError, "" when it throws none.
inline std::string refusal(const std::function<void()>& op) {
  try {
    op();
  } catch (const BackupError& e) {
    return e.what();
  }
  return "";
}
#define EXPECT_TOLD(part, told) EXPECT_PRED_FORMAT2(::testing::IsSubstring, part, told)

struct DataFolder {
  TempRoot root;
  std::filesystem::path game3 =
      makeGame(root, "YardMark/games/2007/Game3.mdb",
               {.header = {headerRow("Eagles", "Hawks", 2007, 3, true)}, .rushing = {{3, 41, 1, 0, "Smith John A"}}});
  std::filesystem::path game1 =
      makeGame(root, "YardMark/games/2008/Game1.mdb", {.passing = {{9, 14, 120, 2, 1, "Doe Jane "}}});
  std::filesystem::path archive = root.dir() / "backup.zip";
  DataFolder() {
    addRows(root.databases() / "yardMark_roster.mdb", "roster", {{"Smith", "John", "A"}, {"Doe", "Jane", Value{}}});
    root.writeFile("YardMark/Reports/2007_GM1.htm", "<html>season</html>\r\n");
    root.writeFile("YardMark/Reports/2008_GM1.htm", "<html>2008</html>");
  }
  DataTree tree() const { return DataTree(root.dir()); }
};

// Every step told; asks to stop at the first step whose text starts with stopAt.
struct Recorded : Progress {
  std::vector<std::pair<double, std::string>> steps;
  std::string stopAt;
  void step(double done, const std::string& what) override { steps.emplace_back(done, what); }
  // A step a line: how far along in hundredths, and its first word (files come in the folder's order).
  std::string text() const {
    std::string out;
    for (const auto& [done, what] : steps)
      out += std::to_string(int(done * 100 + 0.5)) + " " + what.substr(0, what.find(' ')) + "\n";
    return out;
  }
  bool stopRequested() const override {
    return !stopAt.empty() && !steps.empty() && steps.back().second.starts_with(stopAt);
  }
};

}  // namespace yardmark::test
