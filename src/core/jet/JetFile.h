#pragma once
// A file kept by the earlier version of the program: a Jet (.mdb) database. libmdb may crash
// on a damaged file, so it is read through the helper yardmark-jetread in a process of its own.
#include <atomic>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace yardmark {

// Starts with the signature of a Jet 3 or Jet 4 database. Nothing else counts as an old file.
bool isJetFile(const std::filesystem::path& file);

// Why an old file could not be read, as one line for the user.
class JetError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct JetColumn {
  enum class Kind { Number, Text, YesNo, Other };
  std::string name;
  Kind kind = Kind::Other;
  bool operator==(const JetColumn&) const = default;
};

// Columns in ordinal order; no value is nullopt.
using JetFields = std::vector<std::optional<std::string>>;

struct JetTable {
  std::string name;
  std::vector<JetColumn> columns;
  std::vector<JetFields> rows;
};

// Where the helper lives: beside the running executable, else where an installed copy lives.
std::string defaultJetreadPath();

class JetFile {
 public:
  // stop, when given, may be set from another thread to stop a read under way.
  explicit JetFile(std::filesystem::path file, std::string helper = defaultJetreadPath(), int timeLimitMs = 20000,
                   const std::atomic<bool>* stop = nullptr);

  // Every user table with its columns and rows, in catalog order, read in one run of the helper.
  std::vector<JetTable> readAll() const;

 private:
  std::filesystem::path m_file;
  std::string m_helper;
  int m_timeLimitMs;
  const std::atomic<bool>* m_stop;
};

// The helper's output: one line a row, fields split at tabs, \t \n \\ unescaped, \N no value.
std::vector<JetFields> parseJetOutput(const std::string& output);
// A column kind as the helper names it: "number", "text", "yes/no"; anything else is Other.
JetColumn::Kind jetKind(const std::string& name);

}  // namespace yardmark
