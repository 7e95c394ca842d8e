#pragma once
// What the back-up and the restore share: the list that marks an archive as ours, the rule for
// the paths it may hold, the limits on its sizes, the database copies and checks, and reading
// the archive through libzip one entry at a time.
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/backup/Backup.h"
#include "core/backup/DatabaseCheck.h"

struct zip;
struct zip_error;

namespace yardmark::backup {

// A path as the messages name it: 'path'.
std::string quoted(const std::filesystem::path& p);

// The entry that makes a .zip a YardMark back-up: a version line, then one line a file.
inline constexpr std::string_view kManifestName = "yardmark-backup.txt";
inline constexpr int kFormatVersion = 1;

// No coach's data comes near these; an archive beyond them is damaged or hostile, and would
// otherwise fill the disk before anything told why.
inline constexpr std::uint64_t kLargestEntry = 256ull << 20;
inline constexpr std::uint64_t kLargestTotal = 8ull << 30;
inline constexpr std::uint64_t kLargestRatio = 200;             // uncompressed to compressed
inline constexpr std::uint64_t kRatioAppliesFrom = 1ull << 20;  // small files pack as they like

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

// The area of a path of the archive; None for any name the program would not write.
Area areaOf(std::string_view entryName);
// Why the archive may not hold this path (leaves the folder, too long, not our file); empty
// when it may.
std::string entryProblem(std::string_view entryName);

// libzip's reason in brackets, " (...)", or nothing when it has none to give.
std::string zipReason(const ::zip_error* e);

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

// Tells the progress over a stretch of the whole work; throws BackupCancelled.
class Steps {
 public:
  explicit Steps(Progress* progress) : m_progress(progress) {}
  void stretch(double from, double to) { m_from = from, m_to = to; }
  void report(double partDone, const std::string& step) const;
  bool tell(double partDone, const std::string& step) const;  // false: asked to stop

 private:
  Progress* m_progress;
  double m_from = 0, m_to = 1;
  mutable double m_done = 0;
};

// An archive opened for reading. Every failure is a BackupError naming the archive.
class ZipReader {
 public:
  // `told`: the name the messages give it, when it is read under another (a back-up before its rename).
  explicit ZipReader(const std::filesystem::path& file, const std::filesystem::path& told = {});
  ~ZipReader();
  ZipReader(const ZipReader&) = delete;
  ZipReader& operator=(const ZipReader&) = delete;

  std::uint64_t count() const;
  std::string name(std::uint64_t i) const;
  std::uint64_t size(std::uint64_t i) const;
  std::uint64_t packedSize(std::uint64_t i) const;
  std::time_t modified(std::uint64_t i) const;
  // A small entry's bytes (the list), checked against its CRC.
  std::string read(std::uint64_t i) const;
  // The entry streamed into the new file `to` (or only checked when `to` is empty), stopping
  // as soon as it grows past its listed size; checked against its CRC.
  void copyTo(std::uint64_t i, const std::filesystem::path& to) const;
  // The index of an entry by exact name, or count() when there is none.
  std::uint64_t find(std::string_view entryName) const;
  ::zip* handle() const { return m_zip; }

 private:
  [[noreturn]] void fail(const std::string& what) const;
  std::filesystem::path m_file;
  ::zip* m_zip = nullptr;
};

// The archive read through: the manifest checked against the entries, every entry's path and
// size checked against the limits, every entry read back (into the file `placeFor` names, or
// only checked when it names none) and each database checked, then handed to `visit`.
// Throws BackupError on the first fault, naming it.
struct CheckedEntry {
  std::uint64_t index;
  const std::string& name;
  const std::filesystem::path& file;  // where it was read to; empty when only checked
  long rosterRows;                    // the roster's rows; -1 for any other file
  bool database;                      // a game or roster that passed the checks
};
Manifest readWholeArchive(const ZipReader& zip, const std::filesystem::path& archive, Steps& steps,
                          const std::function<std::filesystem::path(const std::string&)>& placeFor,
                          const std::function<void(const CheckedEntry&)>& visit);

// The list, the names and the limits judged from the archive's directory alone, before a byte
// is read; the list it holds. Throws BackupError.
Manifest checkDirectory(const ZipReader& zip, const std::filesystem::path& archive);

}  // namespace yardmark::backup
