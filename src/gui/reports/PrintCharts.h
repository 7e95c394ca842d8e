#pragma once
// Printing draws a page's SVG charts as vectors. The viewer shows them through Qt's SVG image
// plugin, as pictures of their own size; a printed copy of the page would paint those pictures
// blurred, or find no file at all, since the copy has no viewer to look its images up.
class QTextDocument;
class QUrl;

namespace yardmark {

// From now on the document draws each image whose file ends in ".svg" (found from baseUrl) with
// Qt's SVG renderer; other images as the document holds them.
void drawChartsAsVectors(QTextDocument& document, const QUrl& baseUrl);

}  // namespace yardmark
