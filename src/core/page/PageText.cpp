#include "core/page/PageText.h"

#include <cmath>
#include <cstdio>

#include "core/text/Utf8.h"

namespace yardmark {

void PageText::line(int blanks, std::string_view text) {
  m_text.append(static_cast<size_t>(blanks), ' ');
  m_text.append(text);
  m_text.append("\r\n");
}

void PageText::line(int blanks, std::string_view before, std::string_view value, std::string_view after) {
  m_text.append(static_cast<size_t>(blanks), ' ');
  m_text.append(before);
  m_text.append(value);
  m_text.append(after);
  m_text.append("\r\n");
}

void PageText::lines(std::initializer_list<Line> fixed) {
  for (const auto& l : fixed) line(l.blanks, l.text);
}

namespace {

void appendLatin1(std::string& out, char32_t cp) {
  switch (cp) {
    case '&':
      out += "&amp;";
      return;
    case '<':
      out += "&lt;";
      return;
    case '>':
      out += "&gt;";
      return;
    case '"':
      out += "&quot;";
      return;
    default:
      break;
  }
  if (cp <= 0xFF) {
    out += static_cast<char>(static_cast<unsigned char>(cp));
  } else {
    out += "&#" + std::to_string(static_cast<unsigned long>(cp)) + ";";
  }
}

}  // namespace

std::string htmlText(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    char32_t cp = 0;
    size_t len = decodeUtf8(utf8, i, cp);
    if (len == 0) cp = static_cast<unsigned char>(utf8[i]), len = 1;  // not UTF-8: the byte kept
    appendLatin1(out, cp);
    i += len;
  }
  return out;
}

std::string fieldText(const Value& v) { return htmlText(textOf(v)); }

bool isEmptyField(const Value& v) { return v.isNull() || (v.isText() && trimmed(v.text()).empty()); }

std::string wholeOf(const Value& v) {
  if (isEmptyField(v)) return "0";
  return wholeText(roundHalfEven(numberOf(v)));
}

std::string quotientText(const Value& num, const Value& den) {
  if (isEmptyField(num) || isEmptyField(den)) return "0";
  const double d = numberOf(den);
  if (d == 0.0) return "0";
  return wholeText(roundHalfEven(numberOf(num) / d));
}

std::string quotientText(const Value& num, long den) {
  if (isEmptyField(num) || den == 0) return "0";
  return wholeText(roundHalfEven(numberOf(num) / static_cast<double>(den)));
}

std::string percentText(const Value& comp, const Value& att) {
  if (isEmptyField(comp) || isEmptyField(att)) return "0";
  const double a = numberOf(att);
  if (a == 0.0) return "0";
  return wholeText(roundHalfAway(numberOf(comp) * 100.0 / a));
}

std::string tackleSumText(const Value& unassisted, const Value& assists, const Value& sacks) {
  const auto number = [](const Value& v) { return isEmptyField(v) ? 0.0 : numberOf(v); };
  return wholeText(totalTackles(number(unassisted), number(assists), number(sacks)));
}

void htmlPrologue(PageText& page) {
  page.lines({
      {0, R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN")"},
      {0, R"("http://www.w3.org/TR/html4/loose.dtd">)"},
      {0, "<html>"},
      {0, "<head>"},
      {0, R"(<meta http-equiv="Content-Type" content="text/html; charset=iso-8859-1">)"},
  });
}

}  // namespace yardmark
