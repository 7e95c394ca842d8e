#include "core/backup/Archive.h"

#include <sqlite3.h>
#include <stdlib.h>
#include <zip.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include "core/files/CaseFold.h"

namespace yardmark::backup {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSqliteHeader{"SQLite format 3\0", 16};
constexpr std::string_view kManifestTitle = "YardMark backup ";
// No file of a coach's data comes near this; a larger entry is a damaged or hostile archive.
constexpr std::uint64_t kLargestEntry = 1ull << 30;

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

using Connection = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;

Connection openDatabase(const fs::path& file, int flags) {
  sqlite3* db = nullptr;
  const int rc = sqlite3_open_v2(file.c_str(), &db, flags, nullptr);
  Connection c(db, &sqlite3_close);
  if (rc != SQLITE_OK) throw BackupError(quoted(file) + " cannot be opened (" + sqlite3_errstr(rc) + ").");
  return c;
}

std::string checkConnection(sqlite3* db, long* rosterRows) {
  auto firstText = [db](const char* sql, std::string& out) {
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
    if (rc == SQLITE_OK && (rc = sqlite3_step(st)) == SQLITE_ROW) {
      const unsigned char* text = sqlite3_column_text(st, 0);
      out = text ? reinterpret_cast<const char*>(text) : "";
    }
    sqlite3_finalize(st);
    if (rc != SQLITE_ROW) out = sqlite3_errmsg(db);
    return rc == SQLITE_ROW;
  };
  std::string answer;
  if (!firstText("PRAGMA integrity_check", answer) || answer != "ok") return answer;
  if (rosterRows) {
    if (!firstText("SELECT count(*) FROM roster", answer)) return "it holds no roster (" + answer + ")";
    *rosterRows = std::stol(answer);
  }
  return {};
}

}  // namespace

std::string quoted(const fs::path& p) {
  std::string s(1, '\'');
  s += p.string();
  s += '\'';
  return s;
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
  if (!std::getline(in, line) || !line.starts_with(kManifestTitle))
    throw BackupError(quoted(archive) + " is not a YardMark backup.");
  if (line != std::string(kManifestTitle) + std::to_string(kFormatVersion))
    throw BackupError(quoted(archive) + " was made by another version of YardMark (" + line + ").");
  Manifest m;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string word;
    fields >> word;
    if (word == "created") {
      std::getline(fields >> std::ws, m.created);
    } else if (ManifestFile f; word == "file" && fields >> f.size && fields.get() == ' ' && std::getline(fields, f.name)) {
      m.files.push_back(std::move(f));
    } else {
      throw BackupError(quoted(archive) + " is damaged: its list of files cannot be read.");
    }
  }
  return m;
}

Area areaOf(std::string_view name) {
  if (leavesFolder(name)) return Area::None;
  const auto parts = pathSteps(name);
  const std::string top = lowered(parts.front());
  if (top == "games" && parts.size() == 3) return Area::Game;
  if (top == "databases" && parts.size() == 2 && lowered(parts[1]) == "yardmark_roster.mdb") return Area::Roster;
  if (top == "reports" && parts.size() >= 2) return Area::Report;
  return Area::None;
}

bool isSqliteBytes(std::string_view bytes) { return bytes.starts_with(kSqliteHeader); }

bool isSqliteFile(const fs::path& file) {
  std::string head(kSqliteHeader.size(), '\0');
  std::ifstream in(file, std::ios::binary);
  return in.read(head.data(), static_cast<std::streamsize>(head.size())) && isSqliteBytes(head);
}

std::string copyDatabase(const fs::path& from) {
  // Read-write when allowed, so that SQLite can roll back a journal a crashed writer left.
  Connection src = [&] {
    try {
      return openDatabase(from, SQLITE_OPEN_READWRITE);
    } catch (const BackupError&) {
      return openDatabase(from, SQLITE_OPEN_READONLY);
    }
  }();
  // Into memory: a game is a few pages, and a scratch file per game costs more than its copy.
  Connection dst = openDatabase(":memory:", SQLITE_OPEN_READWRITE);
  sqlite3_busy_timeout(src.get(), 100);
  sqlite3_backup* copy = sqlite3_backup_init(dst.get(), "main", src.get(), "main");
  if (!copy) throw BackupError(quoted(from) + " cannot be copied (" + sqlite3_errmsg(dst.get()) + ").");
  // A writer committing holds the file for a moment; one that keeps it locked is another matter.
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  int rc;
  while ((rc = sqlite3_backup_step(copy, -1)) == SQLITE_BUSY || rc == SQLITE_LOCKED) {
    if (std::chrono::steady_clock::now() > giveUp) break;
    sqlite3_sleep(50);
  }
  sqlite3_backup_finish(copy);
  if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
    throw BackupError(quoted(from) + " cannot be copied: another program keeps it locked.");
  if (rc != SQLITE_DONE) throw BackupError(quoted(from) + " cannot be copied (" + sqlite3_errstr(rc) + ").");
  if (const std::string problem = checkConnection(dst.get(), nullptr); !problem.empty())
    throw BackupError(quoted(from) + " is damaged (" + problem + "); repair or remove it, then back up again.");
  sqlite3_int64 size = 0;
  std::unique_ptr<unsigned char, decltype(&sqlite3_free)> bytes(sqlite3_serialize(dst.get(), "main", &size, 0), &sqlite3_free);
  if (!bytes) throw BackupError(quoted(from) + " cannot be copied (out of memory).");
  return std::string(reinterpret_cast<const char*>(bytes.get()), static_cast<size_t>(size));
}

std::string integrityProblem(std::string& bytes, long* rosterRows) {
  Connection db = openDatabase(":memory:", SQLITE_OPEN_READWRITE);
  const auto size = static_cast<sqlite3_int64>(bytes.size());
  const int rc = sqlite3_deserialize(db.get(), "main", reinterpret_cast<unsigned char*>(bytes.data()), size, size,
                                     SQLITE_DESERIALIZE_READONLY);
  if (rc != SQLITE_OK) return sqlite3_errstr(rc);
  return checkConnection(db.get(), rosterRows);
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
  return !m_progress || m_progress(m_done, step);
}

void Steps::report(double partDone, const std::string& step) const {
  if (!tell(partDone, step)) throw BackupCancelled();
}

ZipReader::ZipReader(const fs::path& file) : m_file(file) {
  int code = 0;
  m_zip = zip_open(file.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
  if (m_zip) return;
  zip_error_t e;
  zip_error_init_with_code(&e, code);
  const std::string why = zip_error_strerror(&e);
  zip_error_fini(&e);
  if (code == ZIP_ER_NOZIP) {
    // A zip cut short has lost its directory at the end, yet starts as every zip starts.
    std::string head(4, '\0');
    std::ifstream in(file, std::ios::binary);
    if (in.read(head.data(), 4) && head == "PK\x03\x04") throw BackupError(quoted(file) + " is damaged (it is cut short).");
    throw BackupError(quoted(file) + " is not a YardMark backup (it is no zip archive).");
  }
  if (code == ZIP_ER_NOENT || code == ZIP_ER_OPEN || code == ZIP_ER_READ)
    throw BackupError(quoted(file) + " cannot be read (" + why + ").");
  throw BackupError(quoted(file) + " is damaged (" + why + ").");
}

ZipReader::~ZipReader() { zip_discard(m_zip); }

void ZipReader::fail(const std::string& what) const {
  throw BackupError(quoted(m_file) + " is damaged: " + what + " (" + zip_strerror(m_zip) + ").");
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

std::time_t ZipReader::modified(std::uint64_t i) const {
  zip_stat_t st;
  return zip_stat_index(m_zip, i, 0, &st) == 0 ? st.mtime : std::time_t{};
}

std::uint64_t ZipReader::find(std::string_view entryName) const {
  const zip_int64_t i = zip_name_locate(m_zip, std::string(entryName).c_str(), ZIP_FL_ENC_GUESS);
  return i < 0 ? count() : static_cast<std::uint64_t>(i);
}

std::string ZipReader::read(std::uint64_t i) const {
  const std::uint64_t expected = size(i);
  if (expected > kLargestEntry) fail(name(i) + " is too large");
  std::unique_ptr<zip_file_t, decltype(&zip_fclose)> f(zip_fopen_index(m_zip, i, 0), &zip_fclose);
  if (!f) fail(name(i) + " cannot be read");
  std::string bytes(expected, '\0');
  std::uint64_t got = 0;
  for (zip_int64_t n; got < expected; got += static_cast<std::uint64_t>(n))
    if ((n = zip_fread(f.get(), bytes.data() + got, expected - got)) <= 0) break;
  // One more read reaches the end, where libzip compares the CRC.
  char extra;
  if (got != expected || zip_fread(f.get(), &extra, 1) != 0)
    throw BackupError(quoted(m_file) + " is damaged: " + name(i) + " cannot be read back (" +
                      zip_error_strerror(zip_file_get_error(f.get())) + ").");
  return bytes;
}

Manifest readWholeArchive(const ZipReader& zip, const fs::path& archive, Steps& steps,
                          const std::function<void(const CheckedEntry&)>& visit) {
  const std::string q = quoted(archive);
  const std::uint64_t listIndex = zip.find(kManifestName);
  if (listIndex == zip.count()) throw BackupError(q + " is not a YardMark backup.");
  Manifest m = parseManifest(zip.read(listIndex), archive);
  std::map<std::string, std::uint64_t> listed;
  for (const ManifestFile& f : m.files)
    if (!listed.emplace(f.name, f.size).second) throw BackupError(q + " is damaged: it lists " + f.name + " twice.");
  // Every path is judged before any file is read, so a hostile archive is refused at once.
  std::set<std::string> found;
  for (std::uint64_t i = 0; i < zip.count(); ++i) {
    if (i == listIndex) continue;
    const std::string name = zip.name(i);
    if (leavesFolder(name)) throw BackupError(q + " holds a path that leaves the data folder: " + name + ".");
    if (areaOf(name) == Area::None) throw BackupError(q + " holds a file that is no part of YardMark's data: " + name + ".");
    const auto it = listed.find(name);
    if (it == listed.end() || !found.insert(name).second)
      throw BackupError(q + " is damaged: " + name + " is not in its list of files.");
    if (it->second != zip.size(i)) throw BackupError(q + " is damaged: " + name + " is not of its listed size.");
  }
  for (const auto& [name, size] : listed)
    if (!found.contains(name)) throw BackupError(q + " is damaged: " + name + " is missing.");
  std::uint64_t done = 0;
  for (std::uint64_t i = 0; i < zip.count(); ++i) {
    if (i == listIndex) continue;
    const std::string name = zip.name(i);
    steps.report(static_cast<double>(done++) / static_cast<double>(found.size()), "Checking " + name);
    std::string bytes = zip.read(i);
    long rosterRows = -1;
    const Area area = areaOf(name);
    if (area != Area::Report && isSqliteBytes(bytes)) {
      const std::string problem = integrityProblem(bytes, area == Area::Roster ? &rosterRows : nullptr);
      if (!problem.empty()) throw BackupError(q + " is damaged: " + name + " fails the database check (" + problem + ").");
    }
    visit({i, name, bytes, rosterRows});
  }
  return m;
}

}  // namespace yardmark::backup
