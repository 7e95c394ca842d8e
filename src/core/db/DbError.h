#pragma once
// The database layer's one failure: a number callers tell apart and a description that names
// the file and says what is wrong.
#include <string>

#include "core/text/Failure.h"

namespace yardmark {

// Error numbers callers tell apart.
namespace dberr {
inline constexpr int NoCurrentRecord = 3021;    // a move or field access with no current row
inline constexpr int FileNotFound = 3024;       // opening a missing database file, or one its path cannot reach
inline constexpr int UpdateWithoutEdit = 3020;  // Update or a field write without AddNew/Edit
inline constexpr int ReadOnly = 3027;           // the file or row set cannot be written
inline constexpr int NoSuchTable = 3078;        // the query names a table the file lacks
inline constexpr int NoSuchField = 3265;        // a field name or ordinal the row set lacks
inline constexpr int BadQuery = 3131;           // a query text outside the accepted grammar
inline constexpr int NotADatabase = 3343;       // a file that is not one of our databases
inline constexpr int InUse = 3045;              // another program holds the file locked
inline constexpr int CannotOpen = 3051;         // no permission to read it
inline constexpr int EngineFailure = 3197;      // anything else the engine reports
}  // namespace dberr

class DbError : public Failure {
 public:
  DbError(int number, std::string description)
      : Failure(FailureKind::Database, std::move(description)), m_number(number) {}
  int number() const { return m_number; }
  const std::string& description() const { return reason(); }

 private:
  int m_number;
};

}  // namespace yardmark
