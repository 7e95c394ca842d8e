#include "core/season/Statistics.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace yardmark {

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
  // Whole numbers, nearly all figures, without the cost of printf.
  if (std::fabs(whole) < 1e15 && std::floor(whole) == whole) {
    char digits[24];
    return std::string(digits, std::to_chars(digits, digits + sizeof digits, static_cast<long long>(whole)).ptr);
  }
  char buf[400];
  std::snprintf(buf, sizeof buf, "%.0f", whole);
  return buf;
}

double totalTackles(double unassisted, double assisted, double sacks) {
  return roundHalfEven(unassisted + assisted + sacks);
}

double averageOf(double num, double den) {
  // Tenths counted from num * 10 / den rather than from the quotient, so that 21 / 20 is
  // exactly 10.5 tenths and goes up.
  const double tenths = std::round(num * 10.0 / den);
  return den == 0.0 || !std::isfinite(tenths) ? 0.0 : tenths / 10.0;
}

std::string averageText(double num, double den) {
  const double tenths = std::round(averageOf(num, den) * 10.0);
  if (tenths == 0.0) return "0.0";  // never "-0.0"
  std::string out = tenths < 0 ? "-" : "";
  if (std::fabs(tenths) < 1e15) {  // nearly every average: digits without printf
    const auto whole = static_cast<long long>(std::fabs(tenths));
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, whole / 10).ptr);
    return out.append(1, '.').append(1, static_cast<char>('0' + whole % 10));
  }
  const std::string digits = wholeText(std::fabs(tenths));
  out += digits.size() == 1 ? "0" : digits.substr(0, digits.size() - 1);
  return out.append(".").append(1, digits.back());
}

}  // namespace yardmark
