#pragma once
// One reader of Jet (.mdb) files: the earlier version's files and the contacts database of another
// program. libmdb may crash on a damaged file, so it is read through the helper yardmark-jetread
// in a process of its own; a crash, a hang or a failure of the helper comes back as a JetError.
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/files/FileKind.h"
#include "core/jet/HelperProcess.h"
#include "core/text/Failure.h"

namespace yardmark {

// Why a Jet file could not be read (or, for the converter, written), as one line for the user.
class JetError : public Failure {
 public:
  // How the helper failed, for a caller that tells it in words of its own; Other is anything else.
  enum class Cause { Other, NotStarted, TimedOut, Crashed, Stopped, Refused };
  explicit JetError(const std::string& reason, Cause cause = Cause::Other, std::string detail = {})
      : Failure(FailureKind::Jet, reason), m_cause(cause), m_detail(std::move(detail)) {}
  Cause cause() const { return m_cause; }
  // What the helper said: why it did not start (NotStarted), or its own reason (Refused; may be empty).
  const std::string& detail() const { return m_detail; }

 private:
  Cause m_cause;
  std::string m_detail;
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

// The helper program and how long one read may take.
struct JetHelper {
  std::string program = defaultJetreadPath();
  int timeLimitMs = 20000;
};

class JetFile {
 public:
  // progress, when given, may ask from another thread to stop a read under way at once.
  explicit JetFile(std::filesystem::path file, JetHelper helper = {}, const Progress* progress = nullptr);

  // Every row of one table, in table order.
  std::vector<JetFields> readTable(const std::string& table) const;
  // Every user table with its columns and rows, in catalog order, read in one run of the helper.
  std::vector<JetTable> readAll() const;

 private:
  std::string run(const std::vector<std::string>& args) const;

  std::filesystem::path m_file;
  JetHelper m_helper;
  const Progress* m_progress;
};

// The helper's output: one line a row, fields split at tabs, \t \n \\ unescaped, \N no value.
std::vector<JetFields> parseJetOutput(const std::string& output);
// A time limit in seconds as the messages give it: "0.5", "20".
std::string secondsText(int ms);
// A column kind as the helper names it: "number", "text", "yes/no"; anything else is Other.
JetColumn::Kind jetKind(const std::string& name);

}  // namespace yardmark
