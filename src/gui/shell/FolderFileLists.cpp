#include "gui/shell/FolderFileLists.h"

#include <QListWidget>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>

namespace yardmark {

namespace fs = std::filesystem;

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kDepthRole = Qt::UserRole + 1;

QString nameOf(const fs::path& path) { return QString::fromStdString(path.filename().string()); }

QListWidget* makeList(QWidget* parent, const char* name, QAbstractItemView::SelectionMode mode) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->setSelectionMode(mode);
  return list;
}

// Indents each folder of a tree under the one above it. The name itself stays unpadded, so
// typing a folder's first letters finds it.
class IndentDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem indented(option);
    indented.rect.setLeft(option.rect.left() + 14 * index.data(kDepthRole).toInt());
    QStyledItemDelegate::paint(painter, indented, index);
  }
};

QListWidgetItem* treeRow(QListWidget* list, const fs::path& folder, const QString& text, int depth, bool open) {
  QListWidgetItem* row = pathRow(folder, text);
  row->setData(kDepthRole, depth);
  row->setIcon(list->style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirIcon));
  row->setToolTip(QString::fromStdString(folder.string()));
  list->addItem(row);
  return row;
}

// The folder as one absolute path without a trailing separator, ".." taken away.
fs::path tidy(const fs::path& folder) {
  fs::path p = fs::absolute(folder).lexically_normal();
  if (!p.has_filename() && p != p.root_path()) p = p.parent_path();
  return p;
}

}  // namespace

QListWidgetItem* pathRow(const fs::path& path, const QString& text) {
  auto* row = new QListWidgetItem(text.isEmpty() ? nameOf(path) : text);
  row->setData(kPathRole, QByteArray::fromStdString(path.string()));
  return row;
}

fs::path pathOf(const QListWidgetItem* row) { return row->data(kPathRole).toByteArray().toStdString(); }

void showPaths(QListWidget* list, const std::vector<fs::path>& entries) {
  list->clear();
  for (const fs::path& entry : entries) list->addItem(pathRow(entry));
}

std::vector<fs::path> pathsOf(const QListWidget* list) {
  std::vector<fs::path> paths;
  for (int i = 0; i < list->count(); ++i) paths.push_back(pathOf(list->item(i)));
  return paths;
}

FolderFileLists::FolderFileLists(QWidget* parent, const Setup& setup)
    : QObject(parent),
      Dir1(makeList(parent, "Dir1", QAbstractItemView::SingleSelection)),
      File1(setup.files ? makeList(parent, "File1", setup.fileSelection) : nullptr),
      m_setup(setup) {
  if (m_setup.folders == Folders::Below) {
    // A folder is picked by selecting it, with the mouse or the keys; the files follow.
    connect(Dir1, &QListWidget::itemSelectionChanged, this, &FolderFileLists::showFiles);
    if (m_setup.pickFirstFile) connect(Dir1, &QListWidget::itemClicked, this, &FolderFileLists::showFiles);
    return;
  }
  if (m_setup.folders == Folders::Tree) {
    Dir1->setIconSize(QSize(16, 16));
    Dir1->setItemDelegate(new IndentDelegate(Dir1));
  }
  connect(Dir1, &QListWidget::itemActivated, this, [this](QListWidgetItem* row) { open(pathOf(row)); });
}

bool FolderFileLists::open(const fs::path& folder) {
  std::error_code ec;
  if (m_setup.folders == Folders::Tree && !fs::is_directory(folder, ec)) return false;
  m_folder = m_setup.folders == Folders::Tree ? tidy(folder) : folder;
  const QSignalBlocker quiet(Dir1);
  switch (m_setup.folders) {
    case Folders::Below:
      showPaths(Dir1, listFolder(m_folder, Listing::folders()));
      Dir1->setCurrentRow(-1);
      if (File1) fillFiles(m_setup.openFolderFilesUnpicked ? m_folder : fs::path());
      break;
    case Folders::Alone:
      Dir1->clear();
      Dir1->addItem(pathRow(m_folder));
      Dir1->setCurrentRow(0);
      if (File1) fillFiles(m_folder);
      break;
    case Folders::Tree:
      showTree();
      break;
  }
  return true;
}

void FolderFileLists::showTree() {
  std::vector<fs::path> chain{m_folder};  // the folder and those above it, from the root down
  while (chain.front() != chain.front().root_path()) chain.insert(chain.begin(), chain.front().parent_path());
  Dir1->clear();
  QListWidgetItem* open = nullptr;
  for (size_t depth = 0; depth < chain.size(); ++depth) {
    const QString text = depth == 0 ? QString::fromStdString(chain[0].string()) : nameOf(chain[depth]);
    open = treeRow(Dir1, chain[depth], text, static_cast<int>(depth), true);
  }
  // Hidden folders too: Wine keeps the contacts program below the hidden ~/.wine.
  for (const fs::path& sub : listFolder(m_folder, Listing::folders(true)))
    treeRow(Dir1, sub, nameOf(sub), static_cast<int>(chain.size()), false);
  Dir1->setCurrentItem(open);
}

fs::path FolderFileLists::pickedFolder() const {
  switch (m_setup.folders) {
    case Folders::Below: {
      const QList<QListWidgetItem*> picked = Dir1->selectedItems();
      return picked.isEmpty() ? fs::path() : pathOf(picked.front());
    }
    case Folders::Alone:
      return m_folder;
    case Folders::Tree:
      return Dir1->currentItem() ? pathOf(Dir1->currentItem()) : m_folder;
  }
  return m_folder;
}

void FolderFileLists::showFiles() {
  if (!File1) return;
  fs::path folder = pickedFolder();
  if (folder.empty() && m_setup.openFolderFilesUnpicked) folder = m_folder;
  fillFiles(folder);
  if (m_setup.pickFirstFile && File1->count() > 0) {
    File1->setCurrentRow(0);
    emit filesShown();
  }
}

void FolderFileLists::fillFiles(const fs::path& folder) {
  File1->clear();
  if (folder.empty()) return;
  for (const fs::path& file : listFolder(folder, *m_setup.files))
    if (!m_offered || m_offered(file)) File1->addItem(pathRow(file));
}

std::optional<fs::path> FolderFileLists::selectedFile() const {
  const QList<QListWidgetItem*> picked = File1 ? File1->selectedItems() : QList<QListWidgetItem*>();
  if (picked.isEmpty()) return std::nullopt;
  return pathOf(picked.front());
}

void FolderFileLists::selectFile(const fs::path& file) {
  for (int i = 0; File1 && i < File1->count(); ++i) {
    if (pathOf(File1->item(i)) != file) continue;
    File1->setCurrentRow(i);
    return;
  }
}

}  // namespace yardmark
