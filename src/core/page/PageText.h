#pragma once
// The report page as single-byte text: lines ended by CR LF, values made safe for HTML.
#include <string>
#include <string_view>

#include "core/db/Value.h"
#include "core/season/Statistics.h"

namespace yardmark {

class PageText {
 public:
  struct Line {
    int blanks;
    std::string_view text;
  };

  // Blanks, the text, carriage return and line feed.
  void line(int blanks, std::string_view text);
  // A line carrying one value between two fixed texts; the value is already page text.
  void line(int blanks, std::string_view before, std::string_view value, std::string_view after);
  void lines(std::initializer_list<Line> fixed);

  const std::string& text() const { return m_text; }
  std::string take() { return std::move(m_text); }

 private:
  std::string m_text;
};

// UTF-8 text (as the databases hold it) as ISO-8859-1 page bytes: & < > " escaped,
// characters beyond Latin-1 as decimal references. A byte that is not valid UTF-8 is
// taken as the Latin-1 character of that byte.
std::string htmlText(std::string_view utf8);

// A field's text form made ready for the page.
std::string fieldText(const Value& v);

// True when a field holds nothing to compute with.
bool isEmptyField(const Value& v);

// A field converted to a whole number (halves to even); an empty field gives 0.
std::string wholeOf(const Value& v);
// num / den rounded halves to even; 0 when a field is empty or the divisor is 0.
std::string quotientText(const Value& num, const Value& den);
std::string quotientText(const Value& num, long den);
// comp * 100 / att rounded halves away from zero; 0 when it cannot be computed.
std::string percentText(const Value& comp, const Value& att);
// totalTackles of stored fields; an empty field counts as no tackles, as the merge adds it.
std::string tackleSumText(const Value& unassisted, const Value& assists, const Value& sacks);

// The lines every page of ours opens with: the document type, <html>, <head> and the character set.
void htmlPrologue(PageText& page);

}  // namespace yardmark
