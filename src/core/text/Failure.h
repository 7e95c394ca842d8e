#pragma once
// The one failure every layer throws: which file, why, and what kind of work failed. A caller
// that must tell failures apart catches the derived type; everyone else shows what().
#include <exception>
#include <filesystem>
#include <string>
#include <utility>

namespace yardmark {

enum class FailureKind { Database, Write, DataFolder, Jet, Csv, Spreadsheet, Backup, Cancelled, Merge, Browser };

class Failure : public std::exception {
 public:
  // `message` is the whole text for the user; empty: the reason alone.
  Failure(FailureKind kind, std::string reason, std::filesystem::path file = {}, std::string message = {})
      : m_kind(kind), m_file(std::move(file)), m_reason(std::move(reason)), m_message(std::move(message)) {
    if (m_message.empty()) m_message = m_reason;
  }
  const char* what() const noexcept override { return m_message.c_str(); }
  FailureKind kind() const { return m_kind; }
  // Empty when no one file is to blame (or the reason names it already).
  const std::filesystem::path& file() const { return m_file; }
  const std::string& reason() const { return m_reason; }

 private:
  FailureKind m_kind;
  std::filesystem::path m_file;
  std::string m_reason;
  std::string m_message;
};

}  // namespace yardmark
