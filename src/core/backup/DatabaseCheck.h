#pragma once
// The databases of a back-up: copied as last committed, and checked as a game or roster of ours.
#include <filesystem>
#include <string>

#include "core/files/FileKind.h"

namespace yardmark::backup {

// Where a path of the archive belongs in YardMark/: a game "games/YEAR/GameN.mdb", the roster,
// a report file "Reports/..." of a kind the program writes. Anything else is None.
enum class Area { Game, Roster, Report, None };

// Copies a database as last committed through SQLite's online backup into the new file `to`
// (waiting a while for a writer that holds it locked) and checks the copy. Throws BackupError.
void copyDatabase(const std::filesystem::path& from, const std::filesystem::path& to);

// Why a database file is no sound game or roster of ours (integrity_check, then the house
// schema's tables and columns); empty when it is. `rosterRows` receives the roster's rows.
std::string databaseProblem(const std::filesystem::path& file, Area area, long* rosterRows = nullptr);

}  // namespace yardmark::backup
