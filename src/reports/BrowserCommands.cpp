#include "reports/BrowserCommands.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>

namespace yardmark {

QtBrowserCommands::QtBrowserCommands(QTextDocument* document, QWidget* dialogParent)
    : m_document(document), m_parent(dialogParent), m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

QtBrowserCommands::~QtBrowserCommands() = default;

int QtBrowserCommands::queryStatus(BrowserCommand /*command*/) {
  // Every command needs a page to work on.
  return m_document->isEmpty() ? 0 : kCommandEnabled;
}

void QtBrowserCommands::print() {
  if (!m_printer->isValid()) throw BrowserError{"No printer is available."};
  m_document->print(m_printer.get());
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
                       [this](QPrinter* p) { m_document->print(p); });
      dialog.exec();
      return;
    }
  }
}

}  // namespace yardmark
