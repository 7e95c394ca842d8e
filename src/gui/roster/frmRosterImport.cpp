#include "gui/roster/frmRosterImport.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "core/db/Database.h"
#include "core/roster/Contacts.h"
#include "core/roster/Roster.h"
#include "gui/roster/RosterControls.h"
#include "gui/roster/frmRoster.h"
#include "gui/shell/App.h"
#include "gui/shell/FolderFileLists.h"
#include "gui/shell/FormHost.h"
#include "gui/shell/Prompter.h"
#include "gui/shell/RunWithProgress.h"
#include "gui/shell/TwoListPicker.h"

namespace yardmark {

namespace {

const QString kErrorTitle = QStringLiteral("Error Finding File...");
constexpr int kNameRole = Qt::UserRole;  // the last, first and middle name an entry was read with

QListWidget* list(QWidget* parent, const char* name, QAbstractItemView::SelectionMode mode) {
  auto* l = new QListWidget(parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setSelectionMode(mode);
  return l;
}

PersonName nameOf(const QListWidgetItem* item) {
  const QStringList parts = item->data(kNameRole).toStringList();
  return {parts.value(0).toStdString(), parts.value(1).toStdString(), parts.value(2).toStdString()};
}

void addEntry(QListWidget* to, const PersonName& name) {
  auto* item = new RosterListItem(QString::fromStdString(rosterListText(name)), to);
  item->setData(kNameRole, QStringList{QString::fromStdString(name.last), QString::fromStdString(name.first),
                                       QString::fromStdString(name.middle)});
}

// The folders above the open one, then its subfolders: the coach climbs up or down to the
// contacts program's folder from wherever the list opened.
FolderFileLists::Setup folderTree() {
  FolderFileLists::Setup setup;
  setup.folders = FolderFileLists::Folders::Tree;
  return setup;
}

}  // namespace

QString frmRosterImport::defaultContactsFolder() {
  QString prefix = qEnvironmentVariable("WINEPREFIX");
  if (prefix.isEmpty()) prefix = QDir::home().filePath(".wine");
  const auto path = std::filesystem::path(QDir(prefix)
                                              .filePath("drive_c/Program Files/Carrowby Athletics/"
                                                        "Rallybook Contacts")
                                              .toStdString());
  return QString::fromStdString(findPathCaseInsensitive(path).string());
}

frmRosterImport::frmRosterImport(App& app) : Form(app) {
  setObjectName("frmRosterImport");
  setWindowTitle("Import Roster From Rallybook Contacts");

  Label1 = rosterLabel(this, "Label1", "Select Folder");
  m_folders = new FolderFileLists(this, folderTree());
  Dir1 = m_folders->Dir1;
  Label2 = rosterLabel(this, "Label2", "Select Inidividual");
  importFrom = list(this, "importFrom", QAbstractItemView::ExtendedSelection);
  Label3 = rosterLabel(this, "Label3", "Import");
  importTo = list(this, "importTo", QAbstractItemView::SingleSelection);
  Label1->setBuddy(Dir1);
  Label2->setBuddy(importFrom);
  Label3->setBuddy(importTo);

  cmdBegin = rosterButton(this, "cmdBegin", "&Begin");
  m_picker = new TwoListPicker(this, importFrom, importTo);
  cmdAddAll = m_picker->cmdAddAll;
  cmdAddDatabase = m_picker->cmdAddDatabase;
  cmdRemoveDatabase = m_picker->cmdRemoveDatabase;
  cmdRemoveAll = m_picker->cmdRemoveAll;
  cmdImport = rosterButton(this, "cmdImport", "&Import");
  cmdViewCurrentRoster = rosterButton(this, "cmdViewCurrentRoster", "View Current Roster");
  Label5 = rosterLabel(this, "Label5",
                       "Default location for Rallybook Contacts is C:\\Program Files\\Carrowby Athletics\\Rallybook "
                       "Contacts");
  Label4 = rosterLabel(this, "Label4",
                       "Find and highlight the Rallybook Contacts Folder.  Click on Begin.  Select the Individuals you "
                       "want to import and move them to the \"Selected Individual\" section.  Then, select the Import "
                       "button.");
  buildLayout();

  connect(cmdBegin, &QPushButton::clicked, this, &frmRosterImport::cmdBegin_Click);
  connect(cmdImport, &QPushButton::clicked, this, &frmRosterImport::cmdImport_Click);
  connect(cmdViewCurrentRoster, &QPushButton::clicked, this, &frmRosterImport::cmdViewCurrentRoster_Click);

  // Load: open the list on the default folder; without it the user finds the folder by hand.
  importFrom->clear();
  importTo->clear();
  if (!m_folders->open(defaultContactsFolder().toStdString())) {
    m_folders->open(QDir::homePath().toStdString());
    tellError(
        "Rallybook Contacts Application Not Found.  If you installed it in another directory other than the "
        "default, please locate it.");
  }
}

frmRosterImport::~frmRosterImport() = default;

void frmRosterImport::buildLayout() {
  for (QLabel* l : {Label4, Label5}) l->setWordWrap(true);
  Dir1->setMinimumHeight(110);

  auto* lists = new QGridLayout;
  lists->addWidget(Label2, 0, 0);
  lists->addWidget(Label3, 0, 2);
  lists->addWidget(importFrom, 1, 0);
  lists->addLayout(m_picker->buttonColumn({cmdAddAll, cmdAddDatabase, cmdRemoveDatabase, cmdRemoveAll}, 44), 1, 1);
  lists->addWidget(importTo, 1, 2);
  lists->setColumnStretch(0, 1);
  lists->setColumnStretch(2, 1);

  auto* begin = new QHBoxLayout;
  begin->addWidget(cmdBegin);
  begin->addStretch();

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(cmdViewCurrentRoster);
  bottom->addStretch();
  bottom->addWidget(cmdImport);

  auto* all = new QVBoxLayout(this);
  all->addWidget(Label4);
  all->addWidget(Label1);
  all->addWidget(Dir1);
  all->addLayout(begin);
  all->addLayout(lists, 1);
  all->addWidget(Label5);
  all->addLayout(bottom);
  resize(560, 520);

  QWidget* order[] = {Dir1,         cmdBegin, importFrom,           cmdAddAll, cmdAddDatabase, cmdRemoveDatabase,
                      cmdRemoveAll, importTo, cmdViewCurrentRoster, cmdImport};
  for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void frmRosterImport::tellError(const QString& text) {
  app().prompter().message(MessageBox(text, Buttons::Ok, Icon::Critical, kErrorTitle));
}

void frmRosterImport::cmdBegin_Click() {
  const std::filesystem::path folder = m_folders->pickedFolder();
  const std::filesystem::path file = findCaseInsensitive(folder, "contacts.mdb", DataTree::Last::File);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) {
    tellError("Rallybook Contacts Application Not Found");
    return;
  }
  std::optional<std::vector<PersonName>> people;
  try {
    ProgressDialogSetup setup;
    setup.objectName = QStringLiteral("dlgReadContacts");
    setup.title = windowTitle();
    setup.label = QStringLiteral("Reading the contacts file...");
    setup.parent = this;
    setup.showsSteps = false;
    // The reader is copied: the work runs on another thread.
    const JetHelper reader = m_reader;
    people = runWithProgress(setup, [reader, file](Progress& progress) {
      std::vector<PersonName> read = readContacts(file, reader, &progress);
      if (progress.stopRequested()) read.clear();  // cancelled as it ended: nothing either
      return read;
    });
  } catch (const JetError& e) {
    tellError("Error..." + QString::fromStdString(e.what()));
    return;
  }
  // Cancelled: the coach asked for nothing to change, so nothing does and nothing is said.
  if (!people || people->empty()) return;
  Dir1->hide();
  Label1->hide();
  for (const PersonName& person : *people) addEntry(importFrom, person);
}

void frmRosterImport::cmdImport_Click() {
  if (importTo->count() == 0) return;
  std::vector<PersonName> people;
  for (int i = 0; i < importTo->count(); ++i) people.push_back(nameOf(importTo->item(i)));
  try {
    // All entries or none: a failure half-way leaves the roster and the list as they were.
    importIntoRoster(app().tree(), people);
  } catch (const std::exception& e) {
    app().prompter().message(MessageBox("Error..." + QString::fromStdString(e.what()), Buttons::Ok, Icon::Critical));
    return;
  }
  importTo->clear();
}

void frmRosterImport::cmdViewCurrentRoster_Click() {
  app().forms().show<frmRoster>();
  unload();
}

}  // namespace yardmark
