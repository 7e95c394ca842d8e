// A form as the coach sees it, for comparison with a reference file.
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>

#include "support/GuiFixture.h"

namespace yardmark::test {

namespace {
// The rows of a list, a selected one in brackets. A grid: its headings, then a row a line, each
// cell with its tip in brackets, "*" when coloured, "~" when it takes no typing and ">" before
// the current one.
QString rowsShown(const QAbstractItemView* v) {
  const QAbstractItemModel* m = v->model();
  const bool grid = qobject_cast<const QTableView*>(v);
  QStringList rows;
  for (int r = grid ? -1 : 0; r < m->rowCount(); ++r) {
    QStringList cells;
    for (int c = 0; c < m->columnCount(); ++c) {
      const QModelIndex i = m->index(r, c);
      const QString tip = grid ? i.data(Qt::ToolTipRole).toString() : QString();
      cells << (r < 0 ? m->headerData(c, Qt::Horizontal).toString()
                      : (grid && i == v->currentIndex() ? ">" : "") + i.data().toString() +
                            (tip.isEmpty() ? "" : " [" + tip + "]") +
                            (grid && i.data(Qt::BackgroundRole).isValid() ? "*" : "") +
                            (grid && !(m->flags(i) & Qt::ItemIsEditable) ? "~" : ""));
    }
    const bool selected = r >= 0 && v->selectionModel() && v->selectionModel()->isRowSelected(r, {});
    const QString heading = grid && r >= 0 ? m->headerData(r, Qt::Vertical).toString() : QString();
    rows << (heading.isEmpty() ? "" : heading + ": ") + (selected ? "[" + cells.join(" | ") + "]" : cells.join(" | "));
  }
  return rows.join(grid ? "\n  " : "; ");
}
// Hidden only as a page of a tab control that shows another: the coach turns to it.
bool shownOnItsPage(const QWidget* w, const QWidget* form) {
  for (; w && w != form; w = w->parentWidget())
    if (w->isHidden() && !qobject_cast<const QStackedWidget*>(w->parentWidget())) return false;
  return true;
}
// A control the dump names: named by the program (not by Qt) and shown.
bool named(const QWidget* w, const QWidget* form) {
  return !w->objectName().isEmpty() && !w->objectName().startsWith("qt_") && shownOnItsPage(w, form);
}
}  // namespace

std::string formState(const QWidget* form, const std::filesystem::path& root) {
  QStringList lines{form->windowTitle()};
  const QWidget* focus = form->window()->focusWidget();
  for (const QWidget* w : form->findChildren<QWidget*>()) {
    if (!named(w, form)) continue;
    const QString name = w->objectName();
    QString shown;
    if (auto* e = qobject_cast<const QLineEdit*>(w))
      shown = e->text() + (e->isReadOnly() ? " (read-only)" : "") +
              (e->maxLength() < 32767 ? QString(" (at most %1)").arg(e->maxLength()) : "");
    else if (auto* l = qobject_cast<const QLabel*>(w))
      shown = l->pixmap().isNull() ? l->text() : "(a picture)";
    else if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
      const auto* push = qobject_cast<const QPushButton*>(b);
      shown = b->text() + (b->isChecked() ? " (on)" : "") + (push && push->isDefault() ? " (Enter)" : "");
    } else if (auto* c = qobject_cast<const QComboBox*>(w))
      shown = c->currentText();
    else if (auto* t = qobject_cast<const QPlainTextEdit*>(w))
      shown = t->toPlainText();
    else if (auto* t = qobject_cast<const QTextEdit*>(w))
      shown = t->toPlainText();
    else if (auto* v = qobject_cast<const QAbstractItemView*>(w))
      shown = rowsShown(v) + (v->selectionMode() > QAbstractItemView::SingleSelection ? " (picks many)" : "");
    else if (auto* g = qobject_cast<const QGroupBox*>(w))
      shown = g->title();
    else if (auto* d = qobject_cast<const QAbstractSpinBox*>(w))
      shown = d->text();
    else if (auto* t = qobject_cast<const QTabWidget*>(w))
      shown = t->tabText(t->currentIndex());
    else
      continue;
    lines << name + ": " + shown + (w->isEnabled() ? "" : " (off)") + (w == focus ? " (focus)" : "") +
                 (w->toolTip().isEmpty() ? "" : " [tip: " + w->toolTip() + "]") +
                 (w->accessibleName().isEmpty() ? "" : " {" + w->accessibleName() + "}");
  }
  // The path Tab takes through the named controls, as a keyboard user walks the form.
  QStringList tabs;
  for (QWidget* w = form->nextInFocusChain(); w && w != form; w = w->nextInFocusChain())
    if (form->isAncestorOf(w) && named(w, form) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled())
      tabs << w->objectName();
  lines << "Tab: " + tabs.join(" > ");
  QString out = lines.join('\n') + '\n';
  if (!root.empty()) out.replace(QString::fromStdString(root.string()), "<root>");
  return out.toStdString();
}

}  // namespace yardmark::test
