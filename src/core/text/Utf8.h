#pragma once
// UTF-8 one letter at a time: the roster's names, the spreadsheets they come from, the page's text.
#include <cstddef>
#include <string>
#include <string_view>

namespace yardmark {

// The letter starting at text[i] and its length in bytes; 0 when no well-formed UTF-8 starts
// there (overlong forms, surrogates and code points past Unicode are not).
std::size_t decodeUtf8(std::string_view text, std::size_t i, char32_t& c);

void appendUtf8(std::string& out, char32_t c);

// UTF-8 text as an HTML or XML file in UTF-8 takes it: & < > " escaped, and anything that is not
// well-formed UTF-8 or is a control character as a question mark, so one odd name cannot spoil it.
std::string markupText(std::string_view text);

}  // namespace yardmark
