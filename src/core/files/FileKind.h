#pragma once
// What a file is, told by its first bytes: one of our SQLite databases, a Jet file of the
// earlier version (or of another program), or anything else. Every reader asks here.
#include <filesystem>
#include <string>

namespace yardmark {

// Starts with the signature of a Jet 3 or Jet 4 database. Nothing else counts as an old file.
bool isJetFile(const std::filesystem::path& file);
// Starts with SQLite's header.
bool isSqliteFile(const std::filesystem::path& file);

// Why a file of the earlier version met outside a conversion run cannot be used yet, and how the
// user converts it.
std::string oldFileReason();

}  // namespace yardmark
