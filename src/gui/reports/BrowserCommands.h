#pragma once
// The viewer's page setup, print and preview as commands: a status query, then execution with
// or without the system dialog, so that a command the page cannot take is told before it runs.
// Tests put a fake in its place to make a command fail.
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <filesystem>
#include <memory>

#include "core/text/Failure.h"

class QPrinter;
class QTextDocument;
class QWidget;

namespace yardmark {

enum class BrowserCommand { Print = 6, PrintPreview = 7, PageSetup = 8 };
enum class ExecOption { PromptUser = 1, DontPromptUser = 2 };
// The status flag of an enabled command.
inline constexpr int kCommandEnabled = 2;

// A command that failed, with the system's description.
class BrowserError : public Failure {
 public:
  explicit BrowserError(const QString& description) : Failure(FailureKind::Browser, description.toStdString()) {}
  QString description() const { return QString::fromStdString(reason()); }
};

class BrowserCommands {
 public:
  virtual ~BrowserCommands() = default;
  // Status flags of the command; throws BrowserError when it cannot be asked.
  virtual int queryStatus(BrowserCommand command) = 0;
  // Runs the command; throws BrowserError when it fails.
  virtual void exec(BrowserCommand command, ExecOption option) = 0;
};

// The paper a user of that country has in the printer: Letter in the Americas' Letter countries
// and where the locale names no country, A4 elsewhere.
QPageSize::PageSizeId paperFor(QLocale::Territory territory);
// That paper with ten-millimetre margins, before any Page Setup.
QPageLayout defaultPageLayout();

// The page laid out as Print lays it out, into a PDF file written under a temporary name and
// renamed, so that a failure leaves any old file as it was. Throws BrowserError with the path
// and the reason.
void writePdf(const QTextDocument& document, const QPageLayout& layout, const std::filesystem::path& file);

// Page setup, print and preview of a text document through Qt's dialogs and a QPrinter
// (vector output, as the page is laid out for paper).
class QtBrowserCommands : public BrowserCommands {
 public:
  QtBrowserCommands(QTextDocument* document, QWidget* dialogParent);
  ~QtBrowserCommands() override;

  int queryStatus(BrowserCommand command) override;
  void exec(BrowserCommand command, ExecOption option) override;

  // The printer every command uses; tests point it at a PDF file.
  QPrinter& printer() { return *m_printer; }

 private:
  void print();

  QTextDocument* m_document;
  QWidget* m_parent;
  std::unique_ptr<QPrinter> m_printer;
};

}  // namespace yardmark
