#pragma once
// The one listing of a folder that every folder and file list shows, read from the disk each
// time a list asks. Each entry is its full path, its name kept as the bytes on the disk, so a
// name that is not valid text is still the entry that is opened or deleted. No widgets here.
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace yardmark {

// Which entries of a folder a listing holds.
struct Listing {
  enum class Kind { Folders, Files };
  Kind kind = Kind::Files;
  // Files only: the names kept end in one of these (".mdb", ".htm"), in any letter case, as
  // files copied from another computer keep whatever case they were given; the extension
  // alone is no name. None keeps every file.
  std::vector<std::string> extensions;
  // Names starting with "." are hidden and left out, unless the list must reach into them.
  bool withHidden = false;

  static Listing folders(bool withHidden = false) { return {Kind::Folders, {}, withHidden}; }
  static Listing files(std::vector<std::string> extensions) { return {Kind::Files, std::move(extensions), false}; }
};

// The report pages: ".htm" and ".html" names, both pages a browser shows.
const Listing& reportPages();

// The entries of a folder ordered as a reader orders names: runs of digits by their value
// ("Game2" before "Game10"), letters without regard to case. None when it cannot be read.
std::vector<std::filesystem::path> listFolder(const std::filesystem::path& folder, const Listing& what);

}  // namespace yardmark
