#pragma once
// What the back-up and the restore share: the list that marks an archive as ours, the rule for
// the paths it may hold, the database copies and checks, and reading the archive through libzip.
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/backup/Backup.h"

struct zip;

namespace yardmark::backup {

// A path as the messages name it: 'path'.
std::string quoted(const std::filesystem::path& p);

// The entry that makes a .zip a YardMark back-up: a version line, then one line a file.
inline constexpr std::string_view kManifestName = "yardmark-backup.txt";
inline constexpr int kFormatVersion = 1;

struct ManifestFile {
  std::string name;
  std::uint64_t size = 0;
};
struct Manifest {
  std::string created;
  std::vector<ManifestFile> files;
};
std::string manifestText(const Manifest& m);
// Throws BackupError naming the archive when the text is not a manifest of a version we read.
Manifest parseManifest(std::string_view text, const std::filesystem::path& archive);

// Where a path of the archive belongs in YardMark/: "games/YEAR/FILE", the roster, "Reports/...".
// Anything else, an absolute path or a ".." step, is None.
enum class Area { Game, Roster, Report, None };
Area areaOf(std::string_view entryName);

// Starts as every SQLite 3 database starts.
bool isSqliteFile(const std::filesystem::path& file);
bool isSqliteBytes(std::string_view bytes);

// A database's bytes as last committed, copied through SQLite's online backup (waiting a while
// for a writer that holds it locked) and checked. Throws BackupError.
std::string copyDatabase(const std::filesystem::path& from);

// Runs PRAGMA integrity_check over a database held in memory; empty when it passes, else the
// first complaint. `rosterRows` receives the roster's row count when asked for.
std::string integrityProblem(std::string& bytes, long* rosterRows = nullptr);

// A folder of our own under `parent`, removed with everything in it at the end.
class WorkFolder {
public:
  WorkFolder(const std::filesystem::path& parent, const std::string& prefix);
  ~WorkFolder();
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;
  const std::filesystem::path& path() const { return m_path; }

private:
  std::filesystem::path m_path;
};

// Calls the progress callback over a stretch of the whole work; throws BackupCancelled.
class Steps {
public:
  explicit Steps(const BackupProgress& progress) : m_progress(progress) {}
  void stretch(double from, double to) { m_from = from, m_to = to; }
  void report(double partDone, const std::string& step) const;
  bool tell(double partDone, const std::string& step) const;  // false: asked to stop

private:
  const BackupProgress& m_progress;
  double m_from = 0, m_to = 1;
  mutable double m_done = 0;
};

// An archive opened for reading. Every failure is a BackupError naming the archive.
class ZipReader {
public:
  explicit ZipReader(const std::filesystem::path& file);
  ~ZipReader();
  ZipReader(const ZipReader&) = delete;
  ZipReader& operator=(const ZipReader&) = delete;

  std::uint64_t count() const;
  std::string name(std::uint64_t i) const;
  std::uint64_t size(std::uint64_t i) const;
  std::time_t modified(std::uint64_t i) const;
  // The entry's bytes, checked against its CRC.
  std::string read(std::uint64_t i) const;
  // The index of an entry by exact name, or count() when there is none.
  std::uint64_t find(std::string_view entryName) const;

private:
  [[noreturn]] void fail(const std::string& what) const;
  std::filesystem::path m_file;
  ::zip* m_zip = nullptr;
};

// The archive read through: the manifest checked against the entries, every entry's path
// checked, every entry read back and each database checked, then handed to `visit`. Throws
// BackupError on the first fault, naming it.
struct CheckedEntry {
  std::uint64_t index;
  const std::string& name;
  std::string& bytes;
  long rosterRows;  // the roster's rows; -1 for any other file
};
Manifest readWholeArchive(const ZipReader& zip, const std::filesystem::path& archive, Steps& steps,
                          const std::function<void(const CheckedEntry&)>& visit);

}  // namespace yardmark::backup
