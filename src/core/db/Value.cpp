#include "core/db/Value.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace yardmark {

double numberFromText(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  std::string num;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) num += text[i++];
  bool digits = false;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
    num += text[i++];
    digits = true;
  }
  if (i < text.size() && text[i] == '.') {
    num += text[i++];
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
      num += text[i++];
      digits = true;
    }
  }
  if (!digits) return 0.0;
  double v = std::strtod(num.c_str(), nullptr);
  return v == 0.0 ? 0.0 : v;  // no negative zero
}

std::string textOfNumber(double n) {
  if (std::isnan(n)) return "NaN";
  if (n == 0.0) return "0";
  char buf[64];
  // Whole numbers, nearly all figures, as plain digits without the cost of printf.
  if (std::fabs(n) < 1e15) {
    const auto whole = static_cast<long long>(n);
    if (static_cast<double>(whole) == n) return std::string(buf, std::to_chars(buf, buf + sizeof buf, whole).ptr);
  }
  std::snprintf(buf, sizeof buf, "%.15g", n);
  return buf;
}

std::string textOf(const Value& v) {
  if (v.isNull()) return {};
  if (v.isNumber()) return textOfNumber(v.number());
  if (v.isBool()) return v.boolean() ? "True" : "False";
  return v.text();
}

double numberOf(const Value& v) {
  if (v.isNumber()) return v.number();
  if (v.isBool()) return v.boolean() ? -1.0 : 0.0;
  return numberFromText(textOf(v));
}

bool isYes(const Value& v) {
  if (v.isBool()) return v.boolean();
  if (v.isNumber()) return v.number() != 0.0;
  if (v.isText()) return v.text() == "True" || numberFromText(v.text()) != 0.0;
  return false;
}

std::string trimmed(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && s[b] == ' ') ++b;
  while (e > b && s[e - 1] == ' ') --e;
  return std::string(s.substr(b, e - b));
}

}  // namespace yardmark
