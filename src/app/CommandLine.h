#pragma once
// What the batch commands (yardmark-report, yardmark-convert, yardmark-check) share: their exit codes and the
// data folder they work in when --root does not name one.
#include <cstdio>
#include <filesystem>
#include <optional>

#include "core/files/DataFolder.h"

namespace yardmark::cli {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// The given root, or the folder the program itself uses, laid out on first use as the program
// does. Nothing when that folder cannot be made; the reason is on standard error.
inline std::optional<std::filesystem::path> programRoot(const char* tool, const std::filesystem::path& root) {
  if (!root.empty()) return root;
  try {
    return openProgramDirectory(placeOf(executableDir()));
  } catch (const DataFolderError& e) {
    std::fprintf(stderr, "%s: %s\n", tool, e.what());
    return std::nullopt;
  }
}

}  // namespace yardmark::cli
