#pragma once
// Game numbers as the file names of a year folder carry them ("Game12.mdb").
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace yardmark {

// The number of a game file's name, in any letter case; none for any other name.
std::optional<long> gameNumberOf(std::string_view fileName);

// The number File > New suggests: one more than the highest game number among the names, 1 when
// there is none.
long nextGameNumber(const std::vector<std::string>& fileNames);

}  // namespace yardmark
