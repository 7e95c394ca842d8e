#include "core/files/FolderListing.h"

#include <algorithm>
#include <string_view>

#include "core/text/CaseFold.h"

namespace yardmark {

namespace fs = std::filesystem;

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

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

bool holds(const Listing& what, const fs::directory_entry& entry, const std::string& name) {
  std::error_code ec;
  if (what.kind == Listing::Kind::Folders) return entry.is_directory(ec);
  const bool named = what.extensions.empty() ||
                     std::any_of(what.extensions.begin(), what.extensions.end(),
                                 [&](const std::string& extension) { return hasExtension(name, extension); });
  return named && entry.is_regular_file(ec);
}

}  // namespace

const Listing& reportPages() {
  static const Listing pages = Listing::files({".htm", ".html"});
  return pages;
}

std::vector<fs::path> listFolder(const fs::path& folder, const Listing& what) {
  std::vector<fs::path> entries;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.empty() || (name.front() == '.' && !what.withHidden)) continue;
    if (holds(what, *it, name)) entries.push_back(it->path());
  }
  std::sort(entries.begin(), entries.end(), [](const fs::path& a, const fs::path& b) {
    return naturalLess(a.filename().string(), b.filename().string());
  });
  return entries;
}

}  // namespace yardmark
