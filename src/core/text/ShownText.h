#pragma once
// Text from files (names, paths, an engine's reasons) as it is shown to the user.
#include <string>
#include <string_view>

namespace yardmark {

// The text with every control character spelt out ("\x1B"), so that a name read from a file can
// never clear or retitle the terminal that prints it.
std::string spellControls(std::string_view text);

// "text (reason)", or the text alone when the reason says nothing ("", "No error", "Success").
std::string withReason(std::string text, std::string_view reason);

}  // namespace yardmark
