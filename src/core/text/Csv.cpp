#include "core/text/Csv.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "core/text/Utf8.h"

namespace yardmark::csv {

namespace {

constexpr std::string_view kNotText = "the file is not text (a workbook must first be saved as CSV)";

// Line of a position: line ends before it, counted as the parser counts them.
long lineAt(std::string_view text, size_t pos) {
  long line = 1;
  for (size_t i = 0; i < pos && i < text.size(); ++i)
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) ++line;
  return line;
}

bool isValidUtf8(std::string_view s) {
  char32_t c = 0;
  for (size_t i = 0, n = 0; i < s.size(); i += n)
    if ((n = decodeUtf8(s, i, c)) == 0) return false;
  return true;
}

std::string fromWindows1252(std::string_view s) {
  // 0x80 to 0x9F; the five unassigned bytes keep their value, as browsers read them.
  static constexpr std::array<char16_t, 32> kHigh = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                     0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  std::string out;
  out.reserve(s.size() + s.size() / 8);
  for (char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    appendUtf8(out, c >= 0x80 && c < 0xA0 ? kHigh[c - 0x80] : c);
  }
  return out;
}

std::string fromUtf16(std::string_view s, bool bigEndian) {
  std::string out;
  out.reserve(s.size() / 2);
  auto unit = [&](size_t i) -> char16_t {
    const auto a = static_cast<unsigned char>(s[i]), b = static_cast<unsigned char>(s[i + 1]);
    return static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
  };
  if (s.size() % 2 != 0) throw CsvError(0, std::string(kNotText));
  for (size_t i = 0; i < s.size(); i += 2) {
    const char16_t u = unit(i);
    char32_t cp = u;
    if (u >= 0xD800 && u <= 0xDBFF && i + 3 < s.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) <= 0xDFFF) {
      cp = 0x10000 + ((u - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
      i += 2;
    } else if (u >= 0xD800 && u <= 0xDFFF) {
      throw CsvError(lineAt(out, out.size()), std::string(kNotText));
    }
    appendUtf8(out, cp);
  }
  return out;
}

}  // namespace

Text decode(std::string_view bytes) {
  Text t;
  if (bytes.starts_with("\xEF\xBB\xBF")) {
    t.encoding = Encoding::Utf8Bom;
    bytes.remove_prefix(3);
  }
  if (t.encoding == Encoding::Utf8 && (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))) {
    t.encoding = Encoding::Utf16;
    t.utf8 = fromUtf16(bytes.substr(2), bytes[0] == '\xFE');
  } else if (isValidUtf8(bytes)) {
    t.utf8 = std::string(bytes);
  } else {
    t.encoding = Encoding::Windows1252;
    t.utf8 = fromWindows1252(bytes);
  }
  for (size_t i = 0; i < t.utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(t.utf8[i]);
    if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') throw CsvError(lineAt(t.utf8, i), std::string(kNotText));
  }
  return t;
}

char detectSeparator(std::string_view text) {
  static constexpr std::array<char, 3> kCandidates = {',', ';', '\t'};
  std::array<size_t, 3> counts{};
  bool quoted = false, lineHasText = false;
  for (char c : text) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\n' || c == '\r') {
      if (lineHasText) break;
      continue;
    }
    if (c != ' ') lineHasText = true;
    for (size_t k = 0; k < kCandidates.size(); ++k) counts[k] += c == kCandidates[k];
  }
  size_t best = 0;
  for (size_t k = 1; k < kCandidates.size(); ++k)
    if (counts[k] > counts[best]) best = k;
  return kCandidates[best];
}

namespace {

bool hasText(const std::string& field) { return field.find_first_not_of(" \t\r\n") != std::string::npos; }

// A field past the limit that holds text refuses the record, as soon as it is read.
void addField(Record& rec, std::string field, const Limits& limits) {
  if (rec.fields.size() < limits.fields) {
    rec.fields.push_back(std::move(field));
  } else if (hasText(field)) {
    throw TooLarge(rec.line, "it has more than " + std::to_string(limits.fields) + " columns");
  }
}

}  // namespace

std::vector<Record> parseRecords(std::string_view t, char sep, const Limits& limits) {
  std::vector<Record> out;
  std::size_t withText = 0;
  const size_t n = t.size();
  auto atLineEnd = [&](size_t i) { return t[i] == '\n' || t[i] == '\r'; };
  long line = 1;
  size_t i = 0;
  while (i < n) {
    Record rec{line, {}};
    for (;;) {
      std::string field;
      size_t j = i;
      while (j < n && (t[j] == ' ' || (t[j] == '\t' && sep != '\t'))) ++j;
      if (j < n && t[j] == '"') {
        const long opened = line;
        for (i = j + 1;; ++i) {
          if (i >= n) throw CsvError(opened, "a quoted field is never closed");
          if (t[i] == '"' && (i + 1 >= n || t[i + 1] != '"')) break;
          if (t[i] == '"')
            ++i;  // a doubled quote stands for one
          else if (t[i] == '\n' || (t[i] == '\r' && (i + 1 >= n || t[i + 1] != '\n')))
            ++line;
          field += t[i];
        }
        ++i;
      }
      // Text after a closing quote is kept, as the spreadsheets read it.
      while (i < n && t[i] != sep && !atLineEnd(i)) field += t[i++];
      addField(rec, std::move(field), limits);
      if (i < n && t[i] == sep) {
        ++i;
        continue;
      }
      break;
    }
    if (i < n) {
      i += (t[i] == '\r' && i + 1 < n && t[i + 1] == '\n') ? 2 : 1;
      ++line;
    }
    if (limits.stop && limits.stop->load(std::memory_order_relaxed)) throw CsvError(0, "the reading was stopped");
    if (std::any_of(rec.fields.begin(), rec.fields.end(), hasText) && ++withText > limits.records)
      throw TooLarge(rec.line, "it has more than " + std::to_string(limits.records) + " rows");
    out.push_back(std::move(rec));
  }
  return out;
}

namespace {

bool isNumber(std::string_view text) {
  double ignored = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), ignored);
  return ec == std::errc() && end == text.data() + text.size();
}

bool runsAsFormula(std::string_view text, Field kind) {
  if (text.empty() || std::string_view("=+-@\t\r").find(text.front()) == std::string_view::npos) return false;
  return kind == Field::Text || !isNumber(text);
}

}  // namespace

void appendField(std::string& out, std::string_view text, Field kind) {
  const bool guarded = runsAsFormula(text, kind);
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    if (guarded) out += '\'';
    out += text;
    return;
  }
  out.append(guarded ? "\"'" : "\"");
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace yardmark::csv
