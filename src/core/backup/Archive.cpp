#include "core/backup/Archive.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <zip.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "core/files/DataTree.h"
#include "core/files/FileKind.h"
#include "core/files/SafeWrite.h"
#include "core/text/CaseFold.h"

namespace yardmark::backup {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kManifestTitle = "YardMark backup ";
// Well inside every file system's limits, so a name that passes can always be made.
constexpr size_t kLongestStep = 120;
constexpr size_t kLongestPath = 400;

std::string lowered(std::string_view s) { return lowerAscii(s); }

std::vector<std::string_view> pathSteps(std::string_view name) {
  std::vector<std::string_view> out;
  size_t start = 0;
  for (size_t i = 0; i <= name.size(); ++i)
    if (i == name.size() || name[i] == '/' || name[i] == '\\') {
      out.push_back(name.substr(start, i - start));
      start = i + 1;
    }
  return out;
}

// A path that would land outside YardMark/: absolute, a drive, a backslash of another system, "." or "..".
bool leavesFolder(std::string_view name) {
  if (name.empty() || name.find('\\') != std::string_view::npos) return true;
  const auto parts = pathSteps(name);
  if (parts.front().size() == 2 && parts.front()[1] == ':') return true;
  return std::any_of(parts.begin(), parts.end(), [](std::string_view p) { return p.empty() || p == "." || p == ".."; });
}

// A name the program itself could give: no hidden name, no control character, none that
// another system refuses.
bool plainStep(std::string_view step) {
  if (step.empty() || step.front() == '.' || step.back() == ' ') return false;
  return std::none_of(step.begin(), step.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F ||
           std::string_view(":*?\"<>|").find(c) != std::string_view::npos;
  });
}

bool allOf(std::string_view s, bool (*pred)(char)) { return !s.empty() && std::all_of(s.begin(), s.end(), pred); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isYearChar(char c) {
  return isDigit(c) || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') || c == ' ' || c == '-' || c == '_';
}

// "GameN.mdb" in any letter case: the only name a game file is given.
bool isGameName(std::string_view file) {
  const std::string f = lowered(file);
  return f.size() > 8 && f.starts_with("game") && f.ends_with(".mdb") && f.size() <= 18 &&
         allOf(std::string_view(f).substr(4, f.size() - 8), isDigit);
}

bool isReportFile(std::string_view file) {
  const std::string f = lowered(file);
  for (const std::string_view ext : {".htm", ".html", ".css", ".svg", ".csv"})
    if (f.ends_with(ext) && f.size() > ext.size()) return true;
  return false;
}

}  // namespace

std::string quoted(const fs::path& p) {
  std::string s(1, '\'');
  s += p.string();
  s += '\'';
  return s;
}

std::string zipReason(const zip_error_t* e) {
  if (!e || zip_error_code_zip(e) == ZIP_ER_OK) return {};
  return " (" + std::string(zip_error_strerror(const_cast<zip_error_t*>(e))) + ")";
}

std::string manifestText(const Manifest& m) {
  std::ostringstream out;
  out << kManifestTitle << kFormatVersion << "\ncreated " << m.created << "\n";
  for (const ManifestFile& f : m.files) out << "file " << f.size << ' ' << f.name << "\n";
  return out.str();
}

Manifest parseManifest(std::string_view text, const fs::path& archive) {
  std::istringstream in{std::string(text)};
  std::string line;
  // A list edited on another system ends its lines in CR LF.
  const auto next = [&] {
    if (!std::getline(in, line)) return false;
    if (line.ends_with('\r')) line.pop_back();
    return true;
  };
  if (!next() || !line.starts_with(kManifestTitle)) throw BackupError(quoted(archive) + " is not a YardMark backup.");
  if (line != std::string(kManifestTitle) + std::to_string(kFormatVersion))
    throw BackupError(quoted(archive) + " was made by another version of YardMark (" + line + ").");
  Manifest m;
  while (next()) {
    std::istringstream fields(line);
    std::string word;
    fields >> word;
    if (word == "created") {
      std::getline(fields >> std::ws, m.created);
    } else if (ManifestFile f;
               word == "file" && fields >> f.size && fields.get() == ' ' && std::getline(fields, f.name)) {
      m.files.push_back(std::move(f));
    } else {
      throw BackupError(quoted(archive) + " is damaged: its list of files cannot be read.");
    }
  }
  return m;
}

Area areaOf(std::string_view name) {
  if (leavesFolder(name) || name.size() > kLongestPath) return Area::None;
  const auto parts = pathSteps(name);
  if (!std::all_of(parts.begin(), parts.end(),
                   [](std::string_view p) { return plainStep(p) && p.size() <= kLongestStep; }))
    return Area::None;
  const std::string top = lowered(parts.front());
  if (top == lowered(layout::kGames) && parts.size() == 3 && parts[1].size() <= 32 && allOf(parts[1], isYearChar) &&
      isGameName(parts[2]))
    return Area::Game;
  if (top == lowered(layout::kDatabases) && parts.size() == 2 && lowered(parts[1]) == lowered(layout::kRoster))
    return Area::Roster;
  if (top == lowered(layout::kReports) && parts.size() >= 2 && parts.size() <= 3 && isReportFile(parts.back()))
    return Area::Report;
  return Area::None;
}

std::string entryProblem(std::string_view name) {
  if (leavesFolder(name)) return "a path that leaves the data folder";
  const auto parts = pathSteps(name);
  if (name.size() > kLongestPath ||
      std::any_of(parts.begin(), parts.end(), [](std::string_view p) { return p.size() > kLongestStep; }))
    return "a name too long for a YardMark file";
  if (areaOf(name) == Area::None) return "a file that is no part of YardMark's data";
  return {};
}

WorkFolder::WorkFolder(const fs::path& parent, const std::string& prefix) {
  std::string pattern = (parent / (prefix + "XXXXXX")).string();
  if (!mkdtemp(pattern.data())) throw BackupError("A working folder cannot be made in " + quoted(parent) + ".");
  m_path = pattern;
}

WorkFolder::~WorkFolder() {
  std::error_code ec;
  fs::remove_all(m_path, ec);
}

bool Steps::tell(double partDone, const std::string& step) const {
  // Never backwards: the stretches meet at values that differ in the last bit.
  m_done = std::max(m_done, m_from + (m_to - m_from) * std::clamp(partDone, 0.0, 1.0));
  if (!m_progress) return true;
  m_progress->step(m_done, step);
  return !m_progress->stopRequested();
}

void Steps::report(double partDone, const std::string& step) const {
  if (!tell(partDone, step)) throw BackupCancelled();
}

ZipReader::ZipReader(const fs::path& path, const fs::path& told) : m_file(told.empty() ? path : told) {
  const fs::path& file = m_file;
  int code = 0;
  m_zip = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
  if (m_zip) return;
  zip_error_t e;
  zip_error_init_with_code(&e, code);
  const std::string why = zip_error_strerror(&e);
  zip_error_fini(&e);
  if (code == ZIP_ER_NOZIP) {
    // A zip cut short has lost its directory at the end, yet starts as every zip starts.
    std::string head(4, '\0');
    std::ifstream in(path, std::ios::binary);
    if (in.read(head.data(), 4) && head == "PK\x03\x04")
      throw BackupError(quoted(file) + " is damaged (it is cut short).");
    throw BackupError(quoted(file) + " is not a YardMark backup (it is no zip archive).");
  }
  if (code == ZIP_ER_NOENT || code == ZIP_ER_OPEN || code == ZIP_ER_READ)
    throw BackupError(quoted(file) + " cannot be read (" + why + ").");
  throw BackupError(quoted(file) + " is damaged (" + why + ").");
}

ZipReader::~ZipReader() { zip_discard(m_zip); }

void ZipReader::fail(const std::string& what) const {
  throw BackupError(quoted(m_file) + " is damaged: " + what + zipReason(zip_get_error(m_zip)) + ".");
}

std::uint64_t ZipReader::count() const { return static_cast<std::uint64_t>(zip_get_num_entries(m_zip, 0)); }

std::string ZipReader::name(std::uint64_t i) const {
  const char* n = zip_get_name(m_zip, i, ZIP_FL_ENC_GUESS);
  if (!n) fail("an entry has no name");
  return n;
}

std::uint64_t ZipReader::size(std::uint64_t i) const {
  zip_stat_t st;
  if (zip_stat_index(m_zip, i, 0, &st) != 0) fail(name(i) + " cannot be read");
  return st.size;
}

std::uint64_t ZipReader::packedSize(std::uint64_t i) const {
  zip_stat_t st;
  if (zip_stat_index(m_zip, i, 0, &st) != 0) fail(name(i) + " cannot be read");
  return st.comp_size;
}

std::time_t ZipReader::modified(std::uint64_t i) const {
  zip_stat_t st;
  return zip_stat_index(m_zip, i, 0, &st) == 0 ? st.mtime : std::time_t{};
}

std::uint64_t ZipReader::find(std::string_view entryName) const {
  const zip_int64_t i = zip_name_locate(m_zip, std::string(entryName).c_str(), ZIP_FL_ENC_GUESS);
  return i < 0 ? count() : static_cast<std::uint64_t>(i);
}

namespace {

// An entry read in pieces; no more than the listed size is ever taken.
template <typename Sink>
void streamEntry(zip_t* z, std::uint64_t i, std::uint64_t expected, const fs::path& archive, const std::string& name,
                 Sink sink) {
  std::unique_ptr<zip_file_t, decltype(&zip_fclose)> f(zip_fopen_index(z, i, 0), &zip_fclose);
  if (!f)
    throw BackupError(quoted(archive) + " is damaged: " + name + " cannot be read" + zipReason(zip_get_error(z)) + ".");
  std::vector<char> buffer(1 << 16);
  std::uint64_t got = 0;
  zip_int64_t n;
  while ((n = zip_fread(f.get(), buffer.data(), buffer.size())) > 0) {
    got += static_cast<std::uint64_t>(n);
    if (got > expected)
      throw BackupError(quoted(archive) + " is damaged: " + name + " holds more than its listed " +
                        std::to_string(expected) + " bytes.");
    sink(buffer.data(), static_cast<size_t>(n));
  }
  // The read that reaches the end is where libzip compares the CRC.
  if (n < 0 || got != expected)
    throw BackupError(quoted(archive) + " is damaged: " + name + " cannot be read back" +
                      zipReason(zip_file_get_error(f.get())) + ".");
}

}  // namespace

std::string ZipReader::read(std::uint64_t i) const {
  const std::uint64_t expected = size(i);
  if (expected > kRatioAppliesFrom) fail(name(i) + " is too large");
  std::string bytes;
  streamEntry(m_zip, i, expected, m_file, name(i), [&](const char* p, size_t n) { bytes.append(p, n); });
  return bytes;
}

void ZipReader::copyTo(std::uint64_t i, const fs::path& to) const {
  const std::uint64_t expected = size(i);
  if (to.empty()) return streamEntry(m_zip, i, expected, m_file, name(i), [](const char*, size_t) {});
  try {
    FileOut out(to);
    streamEntry(m_zip, i, expected, m_file, name(i), [&](const char* p, size_t n) { out.write({p, n}); });
    out.finish();
  } catch (const fs::filesystem_error&) {
    throw BackupError(quoted(to) + " cannot be written.");
  }
}

namespace {

std::string megabytes(std::uint64_t bytes) { return std::to_string((bytes + (1 << 20) - 1) >> 20) + " MB"; }

// The limits, judged from the directory before a byte is written.
void checkLimits(const ZipReader& zip, const std::string& q) {
  std::uint64_t total = 0;
  for (std::uint64_t i = 0; i < zip.count(); ++i) {
    const std::uint64_t size = zip.size(i), packed = std::max<std::uint64_t>(zip.packedSize(i), 1);
    if (size > kLargestEntry)
      throw BackupError(q + " is refused: " + zip.name(i) + " would be " + megabytes(size) + ", more than the " +
                        megabytes(kLargestEntry) + " a file of a back-up may have.");
    if (size >= kRatioAppliesFrom && size / packed > kLargestRatio)
      throw BackupError(q + " is refused: " + zip.name(i) + " would grow from " + std::to_string(packed) +
                        " bytes to " + megabytes(size) + ", more than " + std::to_string(kLargestRatio) +
                        " times its packed size.");
    total += size;
  }
  if (total > kLargestTotal)
    throw BackupError(q + " is refused: its files would take " + megabytes(total) + ", more than the " +
                      megabytes(kLargestTotal) + " a back-up may hold.");
}

}  // namespace

Manifest checkDirectory(const ZipReader& zip, const fs::path& archive) {
  const std::string q = quoted(archive);
  const std::uint64_t listIndex = zip.find(kManifestName);
  if (listIndex == zip.count()) throw BackupError(q + " is not a YardMark backup.");
  checkLimits(zip, q);
  Manifest m = parseManifest(zip.read(listIndex), archive);
  std::map<std::string, std::uint64_t> listed;
  for (const ManifestFile& f : m.files)
    if (!listed.emplace(f.name, f.size).second) throw BackupError(q + " is damaged: it lists " + f.name + " twice.");
  // Every path is judged before any file is read, so a hostile archive is refused at once.
  std::set<std::string> found;
  for (std::uint64_t i = 0; i < zip.count(); ++i) {
    if (i == listIndex) continue;
    const std::string name = zip.name(i);
    if (const std::string problem = entryProblem(name); !problem.empty())
      throw BackupError(q + " holds " + problem + ": " + name + ".");
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    // A link restored as a link would point anywhere; the program never writes one.
    if (zip_file_get_external_attributes(zip.handle(), i, 0, &system, &attributes) == 0 && system == ZIP_OPSYS_UNIX &&
        ((attributes >> 16) & S_IFMT) == S_IFLNK)
      throw BackupError(q + " holds a link: " + name + ".");
    const auto it = listed.find(name);
    if (it == listed.end() || !found.insert(name).second)
      throw BackupError(q + " is damaged: " + name + " is not in its list of files.");
    if (it->second != zip.size(i)) throw BackupError(q + " is damaged: " + name + " is not of its listed size.");
  }
  for (const auto& [name, size] : listed)
    if (!found.contains(name)) throw BackupError(q + " is damaged: " + name + " is missing.");
  return m;
}

Manifest readWholeArchive(const ZipReader& zip, const fs::path& archive, Steps& steps,
                          const std::function<fs::path(const std::string&)>& placeFor,
                          const std::function<void(const CheckedEntry&)>& visit) {
  const std::string q = quoted(archive);
  Manifest m = checkDirectory(zip, archive);
  const std::uint64_t listIndex = zip.find(kManifestName);
  std::uint64_t done = 0;
  for (std::uint64_t i = 0; i < zip.count(); ++i) {
    if (i == listIndex) continue;
    const std::string name = zip.name(i);
    steps.report(static_cast<double>(done++) / static_cast<double>(m.files.size()), "Checking " + name);
    const fs::path file = placeFor(name);
    zip.copyTo(i, file);
    long rosterRows = -1;
    const Area area = areaOf(name);
    bool database = false;
    if (!file.empty() && area != Area::Report) {
      // A game kept byte for byte (an earlier version's file) is the coach's all the same; a
      // database must be one of ours, and the roster must be one.
      database = isSqliteFile(file);
      if (!database && area == Area::Roster) throw BackupError(q + " is damaged: " + name + " is no database.");
      const std::string problem =
          database ? databaseProblem(file, area, area == Area::Roster ? &rosterRows : nullptr) : "";
      if (!problem.empty())
        throw BackupError(q + " is damaged: " + name + " fails the database check (" + problem + ").");
    }
    visit({i, name, file, rosterRows, database});
  }
  return m;
}

}  // namespace yardmark::backup
