#pragma once
// Names as a coach compares them, in the roster's search, its completion and its duplicate check:
// letter case and the accents of Latin letters do not count, so "José" finds "JOSE". File
// names and query words keep the ASCII fold (CaseFold.h), which a name can be found again by.
#include <string>
#include <string_view>

namespace yardmark {

// Every letter upper-cased over all of Unicode, then a Latin letter with an accent or stroke
// (U+00C0 to U+017F) as its plain letter; ligatures and sharp s stay. Bytes that are not UTF-8
// stay as they are.
std::string nameFold(std::string_view text);

}  // namespace yardmark
