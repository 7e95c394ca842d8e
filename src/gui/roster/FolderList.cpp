#include "gui/roster/FolderList.h"

#include <QDir>
#include <QFileInfo>
#include <QStyle>
#include <QStyledItemDelegate>

namespace yardmark {

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kDepthRole = Qt::UserRole + 1;

// Indents each folder under the one above it. The name itself stays unpadded, so typing a
// folder's first letters finds it.
class IndentDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem indented(option);
    indented.rect.setLeft(option.rect.left() + 14 * index.data(kDepthRole).toInt());
    QStyledItemDelegate::paint(painter, indented, index);
  }
};

QListWidgetItem* folderItem(QListWidget* list, const QString& name, const QString& path, int depth, bool open) {
  auto* item = new QListWidgetItem(name, list);
  item->setData(kDepthRole, depth);
  item->setIcon(list->style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirIcon));
  item->setData(kPathRole, path);
  item->setToolTip(QDir::toNativeSeparators(path));
  return item;
}

}  // namespace

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setIconSize(QSize(16, 16));
  setItemDelegate(new IndentDelegate(this));
  connect(this, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { setPath(item->data(kPathRole).toString()); });
}

bool FolderList::setPath(const QString& folder) {
  const QFileInfo info(folder);
  if (!info.isDir()) return false;
  m_path = QDir::cleanPath(info.absoluteFilePath());
  clear();

  QStringList chain;  // the folder and those above it, from the root down
  for (QDir dir(m_path);;) {
    chain.prepend(dir.absolutePath());
    if (dir.isRoot() || !dir.cdUp()) break;
  }
  QListWidgetItem* open = nullptr;
  for (int depth = 0; depth < chain.size(); ++depth) {
    const QString name = depth == 0 ? QDir::toNativeSeparators(chain[0]) : QFileInfo(chain[depth]).fileName();
    open = folderItem(this, name, chain[depth], depth, true);
  }
  const QDir dir(m_path);
  const QStringList subfolders =
      dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
  for (const QString& name : subfolders)
    folderItem(this, name, dir.filePath(name), static_cast<int>(chain.size()), false);
  setCurrentItem(open);
  return true;
}

QString FolderList::chosen() const {
  const QListWidgetItem* item = currentItem();
  return item ? item->data(kPathRole).toString() : m_path;
}

}  // namespace yardmark
