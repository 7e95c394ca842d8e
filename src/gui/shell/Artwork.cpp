#include "gui/shell/Artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace yardmark {

namespace {

// A football centred on c, w wide, tilted by angle degrees.
void drawFootball(QPainter& p, QPointF c, double w, double angle) {
  p.save();
  p.translate(c);
  p.rotate(angle);
  const double h = w * 0.58;
  QPainterPath ball;
  ball.moveTo(-w / 2, 0);
  ball.quadTo(0, -h, w / 2, 0);
  ball.quadTo(0, h, -w / 2, 0);
  p.setPen(QPen(QColor(60, 30, 10), w * 0.03));
  p.setBrush(QColor(139, 69, 19));
  p.drawPath(ball);
  // Laces.
  p.setPen(QPen(Qt::white, w * 0.035, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(-w * 0.2, 0), QPointF(w * 0.2, 0));
  for (int i = -3; i <= 3; ++i) p.drawLine(QPointF(i * w * 0.055, -h * 0.09), QPointF(i * w * 0.055, h * 0.09));
  p.restore();
}

}  // namespace

QPixmap programIcon(int size) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(34, 120, 50));
  p.drawRoundedRect(QRectF(0, 0, size, size), size * 0.18, size * 0.18);
  p.setPen(QPen(QColor(255, 255, 255, 150), size * 0.03));
  for (int i = 1; i < 4; ++i) p.drawLine(QPointF(size * i / 4.0, size * 0.08), QPointF(size * i / 4.0, size * 0.92));
  drawFootball(p, QPointF(size / 2.0, size / 2.0), size * 0.8, -30);
  return pm;
}

QPixmap backgroundPicture(QSize size) {
  QPixmap pm(size.expandedTo(QSize(1, 1)));
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = pm.width(), h = pm.height();

  // Turf in alternating five-yard stripes; end zones at both sides.
  const double zone = w / 12.0, yard = (w - 2 * zone) / 100.0;
  for (int i = 0; i < 20; ++i)
    p.fillRect(QRectF(zone + i * 5 * yard, 0, 5 * yard + 1, h), i % 2 ? QColor(46, 125, 50) : QColor(56, 142, 60));
  p.fillRect(QRectF(0, 0, zone, h), QColor(21, 67, 96));
  p.fillRect(QRectF(w - zone, 0, zone, h), QColor(21, 67, 96));

  p.setPen(QPen(QColor(255, 255, 255, 200), 2));
  for (int i = 0; i <= 20; ++i) p.drawLine(QPointF(zone + i * 5 * yard, 0), QPointF(zone + i * 5 * yard, h));
  // Hash marks.
  p.setPen(QPen(QColor(255, 255, 255, 160), 1));
  for (int i = 1; i < 100; ++i) {
    const double x = zone + i * yard;
    for (double y : {h * 0.36, h * 0.64}) p.drawLine(QPointF(x, y - 4), QPointF(x, y + 4));
  }
  // Yard numbers.
  QFont numbers("Sans", std::max(8, static_cast<int>(h / 22)), QFont::Bold);
  p.setFont(numbers);
  p.setPen(QColor(255, 255, 255, 190));
  for (int i = 1; i < 10; ++i) {
    const int n = i <= 5 ? i * 10 : (10 - i) * 10;
    const QRectF box(zone + i * 10 * yard - 30, h * 0.82, 60, h / 12);
    p.drawText(box, Qt::AlignCenter, QString::number(n));
  }

  // End zone names and the title in the middle of the field.
  QFont zoneFont("Sans", std::max(8, static_cast<int>(zone / 3.2)), QFont::Bold);
  p.setFont(zoneFont);
  p.setPen(QColor(255, 255, 255, 210));
  for (auto [x, angle] : {std::pair{zone / 2, -90.0}, std::pair{w - zone / 2, 90.0}}) {
    p.save();
    p.translate(x, h / 2);
    p.rotate(angle);
    p.drawText(QRectF(-h / 2, -zone / 2, h, zone), Qt::AlignCenter, "YARDMARK");
    p.restore();
  }
  drawFootball(p, QPointF(w / 2, h * 0.42), std::min(w, h) * 0.16, -25);
  QFont title("Serif", std::max(10, static_cast<int>(h / 14)), QFont::Bold);
  p.setFont(title);
  p.setPen(QColor(0, 0, 0, 90));
  p.drawText(QRectF(3, h * 0.54 + 3, w, h / 8), Qt::AlignCenter, "YardMark");
  p.setPen(QColor(255, 255, 255, 230));
  p.drawText(QRectF(0, h * 0.54, w, h / 8), Qt::AlignCenter, "YardMark");
  return pm;
}

}  // namespace yardmark
