#pragma once
// Charts as SVG text: axes, bars or lines, labels and a legend, and nothing else (no script, no
// link, no font to fetch), so a browser, the viewer and a printer all draw the same picture.
#include <string>
#include <vector>

namespace yardmark {

struct ChartSeries {
  std::string name;            // in the legend
  std::string colour;          // "#1f5f8b"
  std::vector<double> values;  // one for each label
};

struct Chart {
  enum class Kind { Bars, Lines };
  Kind kind = Kind::Bars;
  std::string title;
  std::vector<std::string> labels;  // along the bottom, left to right
  std::vector<ChartSeries> series;
};

inline constexpr int kChartWidth = 720, kChartHeight = 300;

// The chart as an SVG file's UTF-8 text.
std::string svgChart(const Chart& chart);

}  // namespace yardmark
