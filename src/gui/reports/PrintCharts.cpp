#include "gui/reports/PrintCharts.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextDocument>
#include <QTextFormat>
#include <QTextObjectInterface>
#include <QUrl>
#include <map>
#include <memory>

namespace yardmark {

namespace {

class VectorCharts : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)

 public:
  VectorCharts(QUrl baseUrl, QObject* parent) : QObject(parent), m_base(std::move(baseUrl)) {}

  QSizeF intrinsicSize(QTextDocument* document, int, const QTextFormat& format) override {
    const QTextImageFormat image = format.toImageFormat();
    // Our pages give every chart its size; otherwise the chart's own, or the picture's.
    if (image.width() > 0 && image.height() > 0) return {image.width(), image.height()};
    if (QSvgRenderer* svg = renderer(image.name())) return svg->defaultSize();
    return picture(document, image.name()).size();
  }

  void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int,
                  const QTextFormat& format) override {
    const QString name = format.toImageFormat().name();
    if (QSvgRenderer* svg = renderer(name))
      svg->render(painter, rect);
    else if (const QImage image = picture(document, name); !image.isNull())
      painter->drawImage(rect, image);
  }

 private:
  // The chart's renderer, read once; null for another kind of image or a file that cannot be read.
  QSvgRenderer* renderer(const QString& name) {
    if (!name.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) return nullptr;
    auto [it, added] = m_charts.try_emplace(name);
    if (added) {
      auto svg = std::make_unique<QSvgRenderer>(m_base.resolved(QUrl(name)).toLocalFile());
      if (svg->isValid()) it->second = std::move(svg);
    }
    return it->second.get();
  }
  static QImage picture(QTextDocument* document, const QString& name) {
    return document->resource(QTextDocument::ImageResource, QUrl(name)).value<QImage>();
  }

  QUrl m_base;
  std::map<QString, std::unique_ptr<QSvgRenderer>> m_charts;
};

}  // namespace

void drawChartsAsVectors(QTextDocument& document, const QUrl& baseUrl) {
  document.documentLayout()->registerHandler(QTextFormat::ImageObject, new VectorCharts(baseUrl, &document));
}

}  // namespace yardmark

#include "PrintCharts.moc"
