#pragma once
// What the folder and file lists of the dialogs show, read from the disk each time they ask:
// visible entries only, ordered as a reader orders names. No widgets here.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace yardmark {

// Names compared as a reader orders them: runs of digits by their value ("Game2" before
// "Game10"), letters without regard to case.
bool naturalLess(std::string_view a, std::string_view b);

// A name that ends in the extension (".mdb", ".htm") in any letter case, as the old file
// lists matched their patterns; the extension alone is no name.
bool hasExtension(std::string_view name, std::string_view extension);

// The visible subfolders of a folder, naturally sorted; none when it cannot be read.
std::vector<std::string> listSubfolders(const std::filesystem::path& folder);
// The visible files of a folder with the extension, naturally sorted; none when it cannot be read.
std::vector<std::string> listFilesWithExtension(const std::filesystem::path& folder, std::string_view extension);
// The visible report pages of a folder: ".htm" and ".html" names in any letter case, as the
// old "*.htm" pattern matched both.
std::vector<std::string> listReportPages(const std::filesystem::path& folder);

}  // namespace yardmark
