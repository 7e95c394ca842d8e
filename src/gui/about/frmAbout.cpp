#include "gui/about/frmAbout.h"

#include <QDesktopServices>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <exception>

#include "gui/shell/App.h"
#include "gui/shell/Artwork.h"
#include "gui/shell/Prompter.h"
#include "ui_frmAbout.h"

namespace yardmark {

namespace {

void makeLink(QLabel* l, QObject* filter) {
  l->setCursor(Qt::PointingHandCursor);
  l->setStyleSheet("color: #0645ad; text-decoration: underline;");
  l->installEventFilter(filter);
}

}  // namespace

frmAbout::frmAbout(App& app)
    : Form(app),
      ui(std::make_unique<Ui::frmAbout>()),
      m_lookup(std::make_unique<PathSystemInfoLookup>()),
      m_openUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
  ui->setupUi(this);
  ui->picIcon->setPixmap(programIcon(64));
  QFont big = ui->lblTitle->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  ui->lblTitle->setFont(big);
  makeLink(ui->lblEmail, this);
  makeLink(ui->lblWebsite, this);
  ui->lblVersion->setText(
      QString("Version %1.%2.%3").arg(YARDMARK_VERSION_MAJOR).arg(YARDMARK_VERSION_MINOR).arg(YARDMARK_VERSION_PATCH));
  ui->lblDescription->setText(
      "Windows 95/98/ME/NT/XP\r\n"
      "Game statistics and season reports for the football coach.\r\n"
      "Made by YardMark Software.");
  // As tall as the wrapped texts need at this width, whatever the font.
  setFixedSize(520, layout()->totalHeightForWidth(520));

  connect(ui->cmdOK, &QPushButton::clicked, this, [this] { unload(); });
  connect(ui->cmdSysInfo, &QPushButton::clicked, this, &frmAbout::startSysInfo);
}

frmAbout::~frmAbout() = default;

void frmAbout::setSystemInfoLookup(std::unique_ptr<SystemInfoLookup> lookup) { m_lookup = std::move(lookup); }

void frmAbout::setUrlOpener(std::function<bool(const QUrl&)> open) { m_openUrl = std::move(open); }

void frmAbout::startSysInfo() {
  try {
    if (const auto path = m_lookup->toolPath(); path && m_lookup->start(*path)) return;
  } catch (const std::exception&) {
    // Any failure on the way ends in the message below.
  }
  app().prompter().tell("System Information Is Unavailable At This Time");
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == ui->lblEmail) {
      m_openUrl(QUrl("mailto:" + ui->lblEmail->text()));
      return true;
    }
    if (watched == ui->lblWebsite) {
      m_openUrl(QUrl("http://" + ui->lblWebsite->text()));
      return true;
    }
  }
  return Form::eventFilter(watched, event);
}

}  // namespace yardmark
