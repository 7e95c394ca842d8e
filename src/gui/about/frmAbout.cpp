#include "gui/about/frmAbout.h"

#include <QDesktopServices>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>

#include "gui/shell/App.h"
#include "gui/shell/Artwork.h"
#include "gui/shell/Prompter.h"

namespace yardmark {

namespace {

QLabel* label(QWidget* parent, const char* name) {
  auto* l = new QLabel(parent);
  l->setObjectName(QString::fromLatin1(name));
  return l;
}

void makeLink(QLabel* l, QObject* filter) {
  l->setCursor(Qt::PointingHandCursor);
  l->setStyleSheet("color: #0645ad; text-decoration: underline;");
  l->installEventFilter(filter);
}

}  // namespace

frmAbout::frmAbout(App& app)
    : Form(app),
      m_lookup(std::make_unique<PathSystemInfoLookup>()),
      m_openUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
  setObjectName("frmAbout");

  picIcon = label(this, "picIcon");
  picIcon->setPixmap(programIcon(64));
  picIcon->setFixedSize(64, 64);
  lblTitle = label(this, "lblTitle");
  QFont big = lblTitle->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  lblTitle->setFont(big);
  lblVersion = label(this, "lblVersion");
  lblDescription = label(this, "lblDescription");
  lblDescription->setWordWrap(true);
  lblEmail = label(this, "lblEmail");
  lblEmail->setText("support@yardmark.example");
  makeLink(lblEmail, this);
  lblWebsite = label(this, "lblWebsite");
  lblWebsite->setText("www.yardmark.example");
  makeLink(lblWebsite, this);
  lblDisclaimer = label(this, "lblDisclaimer");
  lblDisclaimer->setWordWrap(true);
  lblDisclaimer->setText(
      "Warning: YardMark is provided as is, without warranty of any kind. The statistics and reports it "
      "produces are only as accurate as the data entered. Copyright \u00a9 YardMark Software. All rights "
      "reserved.");

  cmdOK = new QPushButton("OK", this);
  cmdOK->setObjectName("cmdOK");
  cmdOK->setDefault(true);
  cmdSysInfo = new QPushButton("&System Info...", this);
  cmdSysInfo->setObjectName("cmdSysInfo");

  // Load.
  setWindowTitle("About YardMark");
  lblTitle->setText("YardMark");
  lblVersion->setText(QString("Version %1.%2.%3")
                          .arg(YARDMARK_VERSION_MAJOR)
                          .arg(YARDMARK_VERSION_MINOR)
                          .arg(YARDMARK_VERSION_PATCH));
  lblDescription->setText(
      "Windows 95/98/ME/NT/XP\r\n"
      "Game statistics and season reports for the football coach.\r\n"
      "Made by YardMark Software.");

  auto* grid = new QGridLayout(this);
  grid->setHorizontalSpacing(16);
  grid->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);
  grid->addWidget(lblTitle, 0, 1, 1, 2);
  grid->addWidget(lblVersion, 1, 1, 1, 2);
  grid->addWidget(lblDescription, 2, 1, 1, 2);
  auto* links = new QVBoxLayout;
  links->addWidget(lblEmail);
  links->addWidget(lblWebsite);
  grid->addLayout(links, 3, 1, 1, 2);
  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  grid->addWidget(line, 4, 0, 1, 3);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdSysInfo);
  buttons->addStretch();
  grid->addWidget(lblDisclaimer, 5, 0, 1, 2);
  grid->addLayout(buttons, 5, 2);
  grid->setColumnStretch(1, 1);
  // As tall as the wrapped texts need at this width, whatever the font.
  setFixedSize(520, grid->totalHeightForWidth(520));

  connect(cmdOK, &QPushButton::clicked, this, [this] { unload(); });
  connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::startSysInfo);
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
    if (watched == lblEmail) {
      m_openUrl(QUrl("mailto:" + lblEmail->text()));
      return true;
    }
    if (watched == lblWebsite) {
      m_openUrl(QUrl("http://" + lblWebsite->text()));
      return true;
    }
  }
  return Form::eventFilter(watched, event);
}

}  // namespace yardmark
