#pragma once
// The statistics more than one output shows, each defined once: roundings, total tackles and
// the averages of our own outputs.
#include <string>

namespace yardmark {

// Nearest whole number, a half going to the even neighbour.
double roundHalfEven(double x);
// Nearest whole number, a half going away from zero.
double roundHalfAway(double x);

// A whole number as plain digits with a minus sign if negative ("0" for no number).
std::string wholeText(double whole);

// The one total tackles figure of every output: unassisted + assisted + sacks as a whole number
// (halves to even). A sack is recorded under sacks only and counts here.
double totalTackles(double unassisted, double assisted, double sacks);

// An average of our own outputs (detail page, CSV): one decimal, halves away from zero
// ("10.5", "0.5", "-1.5"); "0.0" without a divisor. The report page keeps its whole numbers.
double averageOf(double num, double den);
std::string averageText(double num, double den);

}  // namespace yardmark
