#include "core/files/FolderListing.h"

#include <algorithm>

namespace yardmark {

namespace fs = std::filesystem;

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// -1, 0 or 1 as a reader orders the two names; 0 also for names that differ only in case or
// in leading zeros.
int naturalCompare(std::string_view a, std::string_view b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (isDigit(a[i]) && isDigit(b[j])) {
      size_t ei = i, ej = j;
      while (ei < a.size() && isDigit(a[ei])) ++ei;
      while (ej < b.size() && isDigit(b[ej])) ++ej;
      std::string_view x = a.substr(i, ei - i), y = b.substr(j, ej - j);
      x.remove_prefix(std::min(x.find_first_not_of('0'), x.size()));
      y.remove_prefix(std::min(y.find_first_not_of('0'), y.size()));
      if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
      if (const int c = x.compare(y); c != 0) return c < 0 ? -1 : 1;
      i = ei;
      j = ej;
      continue;
    }
    const char x = lowerAscii(a[i]), y = lowerAscii(b[j]);
    if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y) ? -1 : 1;
    ++i;
    ++j;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

template <class Keep>
std::vector<std::string> listFolder(const fs::path& folder, Keep keep) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.empty() || name.front() == '.') continue;  // hidden, as the old lists left them out
    if (keep(*it, name)) names.push_back(name);
  }
  std::sort(names.begin(), names.end(), naturalLess);
  return names;
}

}  // namespace

bool naturalLess(std::string_view a, std::string_view b) {
  const int c = naturalCompare(a, b);
  return c != 0 ? c < 0 : a < b;  // a fixed order for names a reader sees as equal
}

bool hasExtension(std::string_view name, std::string_view extension) {
  if (name.size() <= extension.size()) return false;
  const std::string_view tail = name.substr(name.size() - extension.size());
  return std::equal(tail.begin(), tail.end(), extension.begin(),
                    [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

std::vector<std::string> listSubfolders(const fs::path& folder) {
  return listFolder(folder, [](const fs::directory_entry& e, const std::string&) {
    std::error_code ec;
    return e.is_directory(ec);
  });
}

std::vector<std::string> listFilesWithExtension(const fs::path& folder, std::string_view extension) {
  return listFolder(folder, [extension](const fs::directory_entry& e, const std::string& name) {
    std::error_code ec;
    return hasExtension(name, extension) && e.is_regular_file(ec);
  });
}

std::vector<std::string> listReportPages(const fs::path& folder) {
  return listFolder(folder, [](const fs::directory_entry& e, const std::string& name) {
    std::error_code ec;
    return (hasExtension(name, ".htm") || hasExtension(name, ".html")) && e.is_regular_file(ec);
  });
}

}  // namespace yardmark
