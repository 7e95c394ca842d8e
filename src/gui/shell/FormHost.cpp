#include "gui/shell/FormHost.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

#include "gui/shell/App.h"
#include "gui/shell/Twips.h"

namespace yardmark {

bool Form::unload() { return m_app.forms().unload(*this); }

void Form::closeEvent(QCloseEvent* event) {
  if (m_unloadApproved) {
    event->accept();
    return;
  }
  event->ignore();
  m_app.forms().unload(*this);
}

FormHost::FormHost(App& app) : m_app(app) {}

FormHost::~FormHost() = default;

void FormHost::attach(QWidget* mainWindow, QMdiArea* area) {
  m_main = mainWindow;
  m_area = area;
  // A window manager re-activates the main window after every message box, dialog or menu,
  // and the area re-announces its active sub-window: only a change of form counts.
  connect(area, &QMdiArea::subWindowActivated, this, &FormHost::noteActive);
}

Form& FormHost::loadForm(std::type_index type, const std::function<Form*()>& make) {
  if (Form* existing = findForm(type)) return *existing;
  Q_ASSERT(m_area);
  Form* form = make();
  QMdiSubWindow* window = m_area->addSubWindow(form);
  window->setAttribute(Qt::WA_DeleteOnClose);
  if (form->minimumSize() == form->maximumSize())
    window->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint);
  window->installEventFilter(this);
  window->hide();
  m_forms[type] = form;
  return *form;
}

Form* FormHost::findForm(std::type_index type) const {
  auto it = m_forms.find(type);
  return it == m_forms.end() ? nullptr : it->second.data();
}

Form* FormHost::formOf(QMdiSubWindow* window) const {
  if (!window) return nullptr;
  for (const auto& [type, form] : m_forms)
    if (form && subWindowOf(*form) == window) return form;
  return nullptr;
}

QMdiSubWindow* FormHost::subWindowOf(const Form& form) const {
  return qobject_cast<QMdiSubWindow*>(form.parentWidget());
}

void FormHost::showForm(Form& form) {
  QMdiSubWindow* window = subWindowOf(form);
  if (!window) {
    form.show();
    return;
  }
  if (!window->isVisible()) {
    window->adjustSize();
    const QSize main = mainWindowTwips(), me = sizeTwips(form);
    place(form, {(main.width() - me.width()) / 2, (main.height() - me.height()) / 2});
    window->show();
  }
  if (window->isMinimized()) window->showNormal();
  window->raise();
  m_area->setActiveSubWindow(window);
}

bool FormHost::approveUnload(Form& form) {
  if (form.m_unloadApproved) return true;
  bool cancel = false;
  form.formUnload(cancel);
  if (cancel) return false;
  form.m_unloadApproved = true;
  for (auto it = m_forms.begin(); it != m_forms.end(); ++it)
    if (it->second == &form) {
      m_forms.erase(it);
      break;
    }
  if (m_current == &form) m_current = nullptr;
  return true;
}

bool FormHost::unload(Form& form) {
  if (QMdiSubWindow* window = subWindowOf(form)) return window->close();
  if (!approveUnload(form)) return false;
  form.close();
  return true;
}

std::vector<Form*> FormHost::loaded() const {
  std::vector<Form*> forms;
  for (const auto& [type, form] : m_forms)
    if (form) forms.push_back(form);
  return forms;
}

bool FormHost::unloadAll() {
  std::vector<QPointer<Form>> order;
  if (m_area) {
    const auto windows = m_area->subWindowList(QMdiArea::StackingOrder);
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
      if (Form* f = formOf(*it)) order.emplace_back(f);
  }
  for (Form* f : loaded())  // forms not (yet) shown
    if (std::find(order.begin(), order.end(), f) == order.end()) order.emplace_back(f);

  // The next form coming to the front while the others close is not the user's doing.
  m_unloadingAll = true;
  bool all = true;
  for (const QPointer<Form>& f : order)
    if (f && !unload(*f)) {
      all = false;
      break;
    }
  m_unloadingAll = false;
  if (!all && m_area) noteActive(m_area->activeSubWindow());
  return all;
}

void FormHost::noteActive(QMdiSubWindow* window) {
  if (m_unloadingAll) return;
  Form* form = formOf(window);
  // A deactivation (nullptr) or the same form again is no change of form.
  if (!form || form == m_current || form->m_unloadApproved) return;
  if (m_current) m_current->formDeactivate();
  m_current = form;
  form->formActivate();
}

bool FormHost::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Close) {
    auto* window = qobject_cast<QMdiSubWindow*>(watched);
    if (Form* form = formOf(window); form && !approveUnload(*form)) {
      event->ignore();
      return true;
    }
  } else if (event->type() == QEvent::WindowActivate) {
    // Qt passes the main window's activation on to every sub-window, and a sub-window takes
    // it as a reason to become the active one. After a message box that must not move the
    // user off the form he was on, so only the current form's sub-window may have it.
    auto* window = qobject_cast<QMdiSubWindow*>(watched);
    if (Form* form = formOf(window); form && m_current && form != m_current) return true;
  }
  return QObject::eventFilter(watched, event);
}

QSize FormHost::mainWindowTwips() const { return m_main ? twipsFromPixels(m_main->size()) : QSize(); }

QSize FormHost::sizeTwips(const Form& form) const {
  const QMdiSubWindow* window = subWindowOf(form);
  return twipsFromPixels(window ? window->size() : form.size());
}

void FormHost::place(Form& form, QPoint twips) {
  QMdiSubWindow* window = subWindowOf(form);
  if (!window || !m_area) return;
  window->move(placeInside(twips, window->size(), m_area->viewport()->size()));
}

}  // namespace yardmark
