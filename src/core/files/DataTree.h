#pragma once
// The folder tree below the program directory. Names are matched without regard to
// letter case, component by component, since the program spells one folder several ways.
#include <filesystem>
#include <string>
#include <string_view>

#include "core/db/Schema.h"

namespace yardmark {

// The data folder's layout, each name spelled once. Paths inside the data folder are relative
// to it with "/" between steps, as a back-up's entries name them.
namespace layout {
inline constexpr std::string_view kDataFolder = "YardMark";
inline constexpr std::string_view kGames = "games";
inline constexpr std::string_view kDatabases = "databases";
inline constexpr std::string_view kReports = "Reports";
inline constexpr std::string_view kMasterTemplate = "yardMark_master.mdb";
inline constexpr std::string_view kRoster = "yardMark_roster.mdb";
inline constexpr std::string_view kTmpDatabase = "tmpDB.mdb";
inline constexpr std::string_view kGameExtension = ".mdb";
inline constexpr std::string_view kStyleFolder = "css";      // in the reports folder
inline constexpr std::string_view kStyleSheet = "css.css";   // in the style folder
inline constexpr std::string_view kDetailFolder = "detail";  // in the reports folder
inline constexpr std::string_view kRestorePlan = "restore-in-progress.txt";
inline constexpr std::string_view kRestoreStaging = ".yardmark-restore-";  // + a token, in each folder restored to
// strftime formats: the data folder's own folder of replaced files, and a hidden one on another disk.
inline constexpr const char* kReplacedFolder = "replaced %Y-%m-%d %H%M%S";
inline constexpr const char* kReplacedElsewhere = ".yardmark-replaced %Y-%m-%d %H%M%S";
}  // namespace layout

class DataTree {
 public:
  explicit DataTree(std::filesystem::path programDir);

  const std::filesystem::path& programDir() const { return m_root; }

  // What the last component of a path must be; every component before it is a folder.
  enum class Last { Folder, File, Any };

  // A literal such as "\YardMark\games\2007" appended to the program directory; each
  // component that exists in another letter case resolves to the existing spelling.
  std::filesystem::path resolve(std::string_view literal, Last last = Last::Any) const;

  std::filesystem::path gameFile(std::string_view year, std::string_view number) const;  // as created
  std::filesystem::path gameFileAsOpened(std::string_view year,
                                         std::string_view number) const;  // as the entry form opens it
  std::filesystem::path yearFolder(std::string_view year) const;
  std::filesystem::path gamesRoot() const;
  std::filesystem::path masterTemplate() const;
  std::filesystem::path rosterDatabase() const;
  std::filesystem::path tmpDatabase() const;
  std::filesystem::path reportsFolder() const;
  std::filesystem::path dataFolder() const;
  std::filesystem::path databasesFolder() const;
  std::filesystem::path styleSheet() const;
  std::filesystem::path restorePlan() const;
  // A path inside the data folder, as relative as a back-up's entry ("games/2007/Game3.mdb").
  std::filesystem::path inData(std::string_view relative, Last last = Last::Any) const;

 private:
  std::filesystem::path m_root;
};

// Finds an existing entry of a folder by name regardless of letter case, of the kind wanted
// (the program file "yardmark" must never stand in for the folder "YardMark"). An exact-case
// match comes first; without any match the name is kept as given.
std::filesystem::path findCaseInsensitive(const std::filesystem::path& folder, const std::string& name,
                                          DataTree::Last kind = DataTree::Last::Any);

// An absolute path found again regardless of letter case, component by component from the
// root (a path handed over in lower case, as the open and delete dialogs do). Components that
// match nothing keep their given spelling.
std::filesystem::path findPathCaseInsensitive(const std::filesystem::path& absolute);

// The style sheet and detail folder of a reports folder that is given (a page's own folder).
std::filesystem::path styleSheetOf(const std::filesystem::path& reportsFolder);
std::filesystem::path detailFolderOf(const std::filesystem::path& reportsFolder);

// Lays out YardMark/ below the program directory: templates, roster, temporary database,
// games/, Reports/css/css.css. Only what is missing is made; user data is never replaced.
void layOutTree(const std::filesystem::path& programDir);

// Makes a new database file holding the house schema's tables for that kind of file.
void createDatabaseFile(const std::filesystem::path& file, DatabaseKind kind);

// The roster database's path; a missing roster is made from the schema first, so the forms
// that read or write it always find one.
std::filesystem::path ensureRosterDatabase(const DataTree& tree);

}  // namespace yardmark
