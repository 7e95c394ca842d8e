#include "core/files/FileKind.h"

#include <algorithm>
#include <exception>
#include <string_view>

#include "core/files/SafeWrite.h"

namespace yardmark {

namespace fs = std::filesystem;

namespace {

// Only a regular file is read: a named pipe would block for ever. No head: an empty text.
std::string headOf(const fs::path& file, std::size_t count) {
  try {
    return readFileHead(file, count);
  } catch (const std::exception&) {  // unreadable, or no regular file: no kind of ours
    return {};
  }
}

}  // namespace

bool isJetFile(const fs::path& file) {
  // Bytes 0-3 are a page-type marker, 4-19 the engine's name, 0x14 the version: 0 for Jet 3,
  // 1 for Jet 4 (later versions name another engine).
  static constexpr char kSignature[] = "\x00\x01\x00\x00Standard Jet DB";
  const std::string head = headOf(file, 0x15);
  if (head.size() < 0x15) return false;
  return std::equal(kSignature, kSignature + sizeof kSignature, head.begin()) && (head[0x14] == 0 || head[0x14] == 1);
}

bool isSqliteFile(const fs::path& file) {
  static constexpr std::string_view kSqliteHeader{"SQLite format 3\0", 16};
  return headOf(file, kSqliteHeader.size()) == kSqliteHeader;
}

std::string oldFileReason() {
  return "it is a file of the earlier version of YardMark; convert it by opening it in File > Open, "
         "or with yardmark-convert";
}

}  // namespace yardmark
