#include "gui/reports/BrowserCommands.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>
#include <algorithm>
#include <iterator>

#include "core/files/SafeWrite.h"
#include "gui/reports/PrintCharts.h"
#include "gui/reports/PrintLayout.h"

namespace yardmark {

QtBrowserCommands::QtBrowserCommands(QTextDocument* document, QWidget* dialogParent)
    : m_document(document), m_parent(dialogParent), m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  // The printer outlives every dialog, so a choice made in Page Setup holds for the rest of the run.
  m_printer->setPageLayout(defaultPageLayout());
}

QPageLayout defaultPageLayout() {
  return QPageLayout(QPageSize(paperFor(QLocale::system().territory())), QPageLayout::Portrait,
                     QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

QPageSize::PageSizeId paperFor(QLocale::Territory territory) {
  // The countries whose printers hold Letter; a locale naming no country (C, POSIX, as on many
  // fresh installs) gets it too, as this program is for American football.
  static constexpr QLocale::Territory kLetter[] = {
      QLocale::AnyTerritory, QLocale::UnitedStates, QLocale::Canada,
      QLocale::Mexico,       QLocale::PuertoRico,   QLocale::Philippines,
      QLocale::Chile,        QLocale::Colombia,     QLocale::Venezuela,
      QLocale::CostaRica,    QLocale::Guatemala,    QLocale::Panama,
      QLocale::ElSalvador,   QLocale::Nicaragua,    QLocale::DominicanRepublic};
  return std::find(std::begin(kLetter), std::end(kLetter), territory) != std::end(kLetter) ? QPageSize::Letter
                                                                                           : QPageSize::A4;
}

QtBrowserCommands::~QtBrowserCommands() = default;

int QtBrowserCommands::queryStatus(BrowserCommand /*command*/) {
  // Every command needs a page to work on.
  return m_document->isEmpty() ? 0 : kCommandEnabled;
}

namespace {

// Lays the page out as the screen shows it and shrinks it to the paper's width, as a browser
// prints a page wider than the paper; printing at the printer's own resolution made the
// page's pixel sizes tiny and cut its 990-pixel tables off at the right.
void printShrunkToWidth(const QTextDocument& document, QPrinter& printer) {
  std::unique_ptr<QTextDocument> copy(document.clone());
  drawChartsAsVectors(*copy, document.baseUrl());
  copy->setTextWidth(-1);
  const qreal width = std::max<qreal>(copy->idealWidth(), 800);
  copy->setTextWidth(width);
  QPainter painter;
  if (!painter.begin(&printer)) return;
  const QRectF paper = printer.pageRect(QPrinter::DevicePixel);
  const qreal scale = paper.width() / width;
  const qreal pageHeight = paper.height() / scale;
  copy->setPageSize(QSizeF(width, pageHeight));  // rows are not split across pages
  keepTablesWhole(*copy);
  for (int page = 0; page < copy->pageCount(); ++page) {
    if (page > 0) printer.newPage();
    painter.save();
    painter.scale(scale, scale);
    painter.translate(0, -page * pageHeight);
    copy->drawContents(&painter, QRectF(0, page * pageHeight, width, pageHeight));
    painter.restore();
  }
  painter.end();
}

}  // namespace

void writePdf(const QTextDocument& document, const QPageLayout& layout, const std::filesystem::path& file) {
  try {
    replaceFile(file, [&](const std::filesystem::path& p) {
      // Made first by the program itself, so that a folder that cannot be written is told with
      // the system's reason; QPrinter only says it failed.
      writeFileBytes(p, "");
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setPageLayout(layout);
      printer.setOutputFileName(QString::fromStdString(p.string()));
      printShrunkToWidth(document, printer);
      std::error_code ec;
      if (printer.printerState() == QPrinter::Error || std::filesystem::file_size(p, ec) == 0 || ec)
        throw std::filesystem::filesystem_error("cannot write the file", p, std::make_error_code(std::errc::io_error));
    });
  } catch (const std::filesystem::filesystem_error& e) {
    const std::string reason = e.code() == std::errc::io_error ? "the file could not be written" : e.code().message();
    throw BrowserError{"Cannot write the PDF file '" + QString::fromStdString(file.string()) +
                       "': " + QString::fromStdString(reason) + "."};
  }
}

void QtBrowserCommands::print() {
  if (!m_printer->isValid()) throw BrowserError{"No printer is available."};
  printShrunkToWidth(*m_document, *m_printer);
  if (m_printer->printerState() == QPrinter::Error)
    throw BrowserError{m_printer->outputFileName().isEmpty()
                           ? QStringLiteral("The printer reported an error.")
                           : "The report could not be printed to " + m_printer->outputFileName() + "."};
}

void QtBrowserCommands::exec(BrowserCommand command, ExecOption option) {
  const bool prompt = option == ExecOption::PromptUser;
  switch (command) {
    case BrowserCommand::PageSetup: {
      QPageSetupDialog dialog(m_printer.get(), m_parent);
      dialog.exec();
      return;
    }
    case BrowserCommand::Print: {
      if (prompt) {
        QPrintDialog dialog(m_printer.get(), m_parent);
        if (dialog.exec() != QDialog::Accepted) return;
      }
      print();
      return;
    }
    case BrowserCommand::PrintPreview: {
      // A preview is a window the user reads: there is none without it.
      QPrintPreviewDialog dialog(m_printer.get(), m_parent);
      QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                       [this](QPrinter* p) { printShrunkToWidth(*m_document, *p); });
      dialog.exec();
      return;
    }
  }
}

}  // namespace yardmark
