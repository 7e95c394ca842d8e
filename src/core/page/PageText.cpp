#include "core/page/PageText.h"

#include <cmath>
#include <cstdio>

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

// Length of the UTF-8 sequence starting at s[i] and its code point; 0 when invalid.
size_t decodeUtf8(std::string_view s, size_t i, char32_t& cp) {
  const auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char c = b(i);
  size_t len = 0;
  char32_t min = 0;
  if (c >= 0xC2 && c <= 0xDF) {
    len = 2, cp = c & 0x1F, min = 0x80;
  } else if (c >= 0xE0 && c <= 0xEF) {
    len = 3, cp = c & 0x0F, min = 0x800;
  } else if (c >= 0xF0 && c <= 0xF4) {
    len = 4, cp = c & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (i + len > s.size()) return 0;
  for (size_t k = 1; k < len; ++k) {
    if ((b(i + k) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b(i + k) & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

void appendLatin1(std::string& out, char32_t cp) {
  switch (cp) {
    case '&': out += "&amp;"; return;
    case '<': out += "&lt;"; return;
    case '>': out += "&gt;"; return;
    case '"': out += "&quot;"; return;
    default: break;
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
    const auto c = static_cast<unsigned char>(utf8[i]);
    char32_t cp = c;
    size_t len = 1;
    if (c >= 0x80) {
      len = decodeUtf8(utf8, i, cp);
      if (len == 0) cp = c, len = 1;
    }
    appendLatin1(out, cp);
    i += len;
  }
  return out;
}

std::string fieldText(const Value& v) { return htmlText(textOf(v)); }

// A name the row set lacks is a fault of the page, not an empty cell: it goes up to the report's
// caller, which says the page could not be made.
Value fieldOf(const Recordset& rs, std::string_view name) {
  if (!rs.isOpen() || !rs.hasCurrent()) return {};
  return rs.field(name);
}

bool isEmptyField(const Value& v) { return v.isNull() || (v.isText() && trimmed(v.text()).empty()); }

double roundHalfEven(double x) {
  const double f = std::floor(x);
  const double d = x - f;
  if (d < 0.5) return f;
  if (d > 0.5) return f + 1;
  return std::fmod(f, 2.0) == 0.0 ? f : f + 1;
}

double roundHalfAway(double x) { return std::round(x); }

std::string wholeText(double whole) {
  if (!std::isfinite(whole) || whole == 0.0) return "0";
  char buf[400];
  std::snprintf(buf, sizeof buf, "%.0f", whole);
  return buf;
}

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
  double sum = 0;
  for (const Value* v : {&unassisted, &assists, &sacks}) {
    if (isEmptyField(*v)) return "0";
    sum += numberOf(*v);
  }
  return wholeText(roundHalfEven(sum));
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
