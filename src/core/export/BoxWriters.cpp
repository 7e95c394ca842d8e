// The box score written out: fixed-width text for a mail's body, a small page for the web.
#include <algorithm>

#include "core/export/NewspaperBox.h"
#include "core/text/Utf8.h"

namespace yardmark {

namespace {

constexpr const char* kDash = "\xE2\x80\x94";  // an em dash, as agate sets it

// Letters, not bytes: "García" takes six columns.
size_t widthOf(const std::string& text) {
  size_t width = 0;
  for (size_t i = 0; i < text.size(); ++width) {
    char32_t c = 0;
    const size_t n = decodeUtf8(text, i, c);
    i += n == 0 ? 1 : n;
  }
  return width;
}

std::string padRight(const std::string& text, size_t width) {
  return text + std::string(width - std::min(width, widthOf(text)), ' ');
}
std::string padLeft(const std::string& text, size_t width) {
  return std::string(width - std::min(width, widthOf(text)), ' ') + text;
}

// "RUSHING — Carter 18-96, Miller 9-52.", each part through `shown`. Players whose entries hold
// commas themselves ("Baker 4 PAT, FG") are parted by semicolons.
template <class Shown>
std::string leadersLine(const BoxScore::Leaders& l, const char* dash, Shown shown) {
  const bool lists = std::any_of(l.entries.begin(), l.entries.end(),
                                 [](const std::string& e) { return e.find(',') != std::string::npos; });
  std::string line = shown(l.category) + " " + dash + " ";
  for (size_t i = 0; i < l.entries.size(); ++i)
    line.append(i == 0 ? "" : lists ? "; " : ", ").append(shown(l.entries[i]));
  return line + ".";
}

std::string cells(const std::vector<std::string>& values, const char* tag) {
  std::string out;
  for (const std::string& v : values)
    out.append("<").append(tag).append(" align=\"right\">").append(markupText(v)).append("</").append(tag).append(">");
  return out;
}

}  // namespace

std::string boxText(const BoxScore& box) {
  std::string text = box.heading + "\n";
  const size_t nameWidth = std::max(widthOf(box.teams[0]), widthOf(box.teams[1]));
  const size_t totalWidth = std::max(widthOf(box.score[0].total), widthOf(box.score[1].total));
  for (size_t t = 0; t < 2 && !box.score[t].periods.empty(); ++t) {
    std::string line = padRight(box.teams[t], nameWidth);
    for (const std::string& p : box.score[t].periods) line += padLeft(p, 3);
    text += line + " " + kDash + " " + padLeft(box.score[t].total, totalWidth) + "\n";
  }
  if (!box.dateLine.empty()) text += box.dateLine + "\n";
  if (!box.stats.empty()) {
    size_t labelWidth = 0;
    std::array<size_t, 2> width{widthOf(box.teams[0]), widthOf(box.teams[1])};
    for (const BoxScore::StatRow& r : box.stats) {
      labelWidth = std::max(labelWidth, widthOf(r.label));
      for (size_t t = 0; t < 2; ++t) width[t] = std::max(width[t], widthOf(r.values[t]));
    }
    labelWidth += 4;
    text.append("\n").append(labelWidth, ' ');
    text += padLeft(box.teams[0], width[0]) + "  " + padLeft(box.teams[1], width[1]) + "\n";
    for (const BoxScore::StatRow& r : box.stats)
      text +=
          padRight(r.label, labelWidth) + padLeft(r.values[0], width[0]) + "  " + padLeft(r.values[1], width[1]) + "\n";
  }
  if (!box.leaders.empty()) {
    text += "\nINDIVIDUAL LEADERS (" + box.leadersTeam + ")\n";
    for (const BoxScore::Leaders& l : box.leaders)
      text += leadersLine(l, kDash, [](const std::string& t) { return t; }) + "\n";
  }
  return text;
}

std::string boxHtml(const BoxScore& box) {
  std::string html = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" + markupText(box.heading) +
                     "</title>\n</head>\n<body>\n<p><b>" + markupText(box.heading) + "</b></p>\n";
  if (!box.score[0].periods.empty()) {
    html += "<table>\n";
    for (size_t t = 0; t < 2; ++t)
      html += "<tr><td>" + markupText(box.teams[t]) + "</td>" + cells(box.score[t].periods, "td") + "<td>&#8212;</td>" +
              cells({box.score[t].total}, "td") + "</tr>\n";
    html += "</table>\n";
  }
  if (!box.dateLine.empty()) html += "<p>" + markupText(box.dateLine) + "</p>\n";
  if (!box.stats.empty()) {
    html += "<table>\n<tr><th></th>" + cells({box.teams[0], box.teams[1]}, "th") + "</tr>\n";
    for (const BoxScore::StatRow& r : box.stats)
      html += "<tr><td>" + markupText(r.label) + "</td>" + cells({r.values[0], r.values[1]}, "td") + "</tr>\n";
    html += "</table>\n";
  }
  if (!box.leaders.empty()) {
    html += "<p><b>INDIVIDUAL LEADERS (" + markupText(box.leadersTeam) + ")</b><br>\n";
    for (size_t i = 0; i < box.leaders.size(); ++i)
      html += leadersLine(box.leaders[i], "&#8212;", [](const std::string& t) { return markupText(t); }) +
              (i + 1 < box.leaders.size() ? "<br>\n" : "</p>\n");
  }
  return html + "</body>\n</html>\n";
}

}  // namespace yardmark
