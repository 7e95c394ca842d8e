#pragma once
// Where the program keeps YardMark/: beside the executable when the user can write there (a
// build folder, a copied folder), in the user's data folder when the program is installed.
#include <filesystem>
#include <stdexcept>
#include <string>

#include "core/text/Failure.h"

namespace yardmark {

// What the choice depends on. The caller gathers it (placeOf); the choice itself is a plain
// decision, so it can be checked for every case whatever the rights of the user running it.
struct ProgramPlace {
  std::filesystem::path executableDir;
  bool executableDirWritable = false;
  bool installedBin = false;  // the executable sits in the bin/ folder the build installs to
  std::string xdgDataHome;    // $XDG_DATA_HOME, empty when unset
  std::string home;           // the user's home folder, empty when unknown
};

// The data folder could not be named or made; what() says where and why.
class DataFolderError : public Failure {
 public:
  explicit DataFolderError(std::string reason) : Failure(FailureKind::DataFolder, std::move(reason)) {}
};

// The program directory, below which YardMark/ lies. An installed program uses the user's data
// folder even when it could write beside itself (root included): its data never mixes with
// the installed files. Throws DataFolderError when no data folder can be named.
std::filesystem::path programDirectory(const ProgramPlace& place);

// The bin/ folder of the prefix the build installs to.
std::filesystem::path installedBinDir();

// The facts for an executable in the given folder, with this process's rights and environment.
ProgramPlace placeOf(const std::filesystem::path& executableDir);

// The folder of this process's executable.
std::filesystem::path executableDir();

// The program directory of this run, with YardMark/ laid out below it (only what is missing
// is made). Throws DataFolderError saying where and why when the folder cannot be made.
std::filesystem::path openProgramDirectory(const ProgramPlace& place);

}  // namespace yardmark
