#include "core/page/SvgChart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/text/Utf8.h"

namespace yardmark {

namespace {

constexpr double kLeft = 56, kRight = 16, kTop = 48, kBottom = 36;
constexpr double kPlotWidth = kChartWidth - kLeft - kRight, kPlotHeight = kChartHeight - kTop - kBottom;

// A coordinate or a tick's figure: at most one decimal, none when whole, never "-0".
std::string num(double x) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1f", x);
  std::string s = buf;
  if (s.ends_with(".0")) s.resize(s.size() - 2);
  return s == "-0" ? "0" : s;
}

// A tick step of 1, 2 or 5 times a power of ten giving about five steps over the range.
double tickStep(double range) {
  if (!(range > 0)) return 1;
  const double rough = range / 5, power = std::pow(10.0, std::floor(std::log10(rough)));
  for (double m : {1.0, 2.0, 5.0})
    if (m * power >= rough) return m * power;
  return 10 * power;
}

struct Scale {
  double low, high, step;
  double y(double v) const { return kTop + kPlotHeight * (high - v) / (high - low); }
};

Scale scaleOf(const Chart& c) {
  double low = 0, high = 0;
  for (const ChartSeries& s : c.series)
    for (double v : s.values)
      if (std::isfinite(v)) low = std::min(low, v), high = std::max(high, v);
  const double step = tickStep(high - low);
  low = std::floor(low / step) * step;
  high = std::max(std::ceil(high / step) * step, low + step);
  return {low, high, step};
}

void text(std::string& out, double x, double y, const std::string& anchor, const std::string& size,
          const std::string& body) {
  out += "<text x=\"" + num(x) + "\" y=\"" + num(y) + "\" text-anchor=\"" + anchor + "\" font-size=\"" + size + "\">" +
         markupText(body) + "</text>\n";
}

void line(std::string& out, double x1, double y1, double x2, double y2, const std::string& stroke) {
  out += "<line x1=\"" + num(x1) + "\" y1=\"" + num(y1) + "\" x2=\"" + num(x2) + "\" y2=\"" + num(y2) + "\" stroke=\"" +
         stroke + "\"/>\n";
}

void rect(std::string& out, double x, double y, double w, double h, const std::string& fill) {
  out += "<rect x=\"" + num(x) + "\" y=\"" + num(y) + "\" width=\"" + num(w) + "\" height=\"" + num(h) + "\" fill=\"" +
         fill + "\"/>\n";
}

void axes(std::string& out, const Chart& c, const Scale& s) {
  for (double v = s.low; v <= s.high + s.step / 2; v += s.step) {
    line(out, kLeft, s.y(v), kLeft + kPlotWidth, s.y(v), v == 0 ? "#000000" : "#d0d0d0");
    text(out, kLeft - 6, s.y(v) + 4, "end", "11", num(v));
  }
  line(out, kLeft, kTop, kLeft, kTop + kPlotHeight, "#000000");
  // As many labels as fit side by side: every n-th when the years are many.
  const size_t n = c.labels.size(), fit = static_cast<size_t>(kPlotWidth / 44);
  const size_t every = n > fit ? (n + fit - 1) / fit : 1;
  for (size_t i = 0; i < n; i += every)
    text(out, kLeft + kPlotWidth * (static_cast<double>(i) + 0.5) / static_cast<double>(n), kTop + kPlotHeight + 16,
         "middle", "11", c.labels[i]);
}

void legend(std::string& out, const Chart& c) {
  double x = kLeft + kPlotWidth;
  for (auto s = c.series.rbegin(); s != c.series.rend(); ++s) {
    // Right to left, each entry as wide as its name at about 6.5 pixels a letter.
    x -= 22 + 6.5 * static_cast<double>(s->name.size());
    rect(out, x, 30, 10, 10, s->colour);
    text(out, x + 14, 39, "start", "11", s->name);
  }
}

void bars(std::string& out, const Chart& c, const Scale& s) {
  const double group = kPlotWidth / static_cast<double>(c.labels.size());
  const double width = group * 0.8 / static_cast<double>(std::max<size_t>(c.series.size(), 1));
  for (size_t k = 0; k < c.series.size(); ++k)
    for (size_t i = 0; i < c.labels.size() && i < c.series[k].values.size(); ++i) {
      const double v = c.series[k].values[i], top = s.y(std::max(v, 0.0)), base = s.y(std::min(v, 0.0));
      rect(out, kLeft + group * (static_cast<double>(i) + 0.1) + width * static_cast<double>(k), top, width, base - top,
           c.series[k].colour);
    }
}

void lines(std::string& out, const Chart& c, const Scale& s) {
  const double group = kPlotWidth / static_cast<double>(c.labels.size());
  for (const ChartSeries& series : c.series) {
    std::string points;
    for (size_t i = 0; i < c.labels.size() && i < series.values.size(); ++i)
      points.append(points.empty() ? "" : " ")
          .append(num(kLeft + group * (static_cast<double>(i) + 0.5)))
          .append(",")
          .append(num(s.y(series.values[i])));
    out += "<polyline points=\"" + points + "\" fill=\"none\" stroke=\"" + series.colour + "\" stroke-width=\"2\"/>\n";
    // A dot on each year while they are few, so that a single season still shows.
    for (size_t i = 0; c.labels.size() <= 40 && i < c.labels.size() && i < series.values.size(); ++i)
      out += "<circle cx=\"" + num(kLeft + group * (static_cast<double>(i) + 0.5)) + "\" cy=\"" +
             num(s.y(series.values[i])) + "\" r=\"3\" fill=\"" + series.colour + "\"/>\n";
  }
}

}  // namespace

std::string svgChart(const Chart& c) {
  const std::string w = std::to_string(kChartWidth), h = std::to_string(kChartHeight);
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                    w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h +
                    "\" font-family=\"Arial, Helvetica, sans-serif\">\n";
  rect(out, 0, 0, kChartWidth, kChartHeight, "#ffffff");
  text(out, kLeft, 20, "start", "14", c.title);
  const Scale s = scaleOf(c);
  axes(out, c, s);
  if (!c.labels.empty()) (c.kind == Chart::Kind::Bars ? bars : lines)(out, c, s);
  legend(out, c);
  return out + "</svg>\n";
}

}  // namespace yardmark
