#pragma once
// Keeps the forms of the run in the main window's MDI area: one instance of each form, loaded
// on first use, brought forward on the next; closing runs the form's unload logic, which may
// cancel; and it tells a form when it becomes the active form coming from another form.
//
// A form needs no registration: app.forms().show<frmX>() loads (constructing frmX(App&)) and
// shows it; find<frmX>() tells whether it is loaded.
#include <QMdiArea>
#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <type_traits>
#include <typeindex>
#include <vector>

#include "gui/shell/Form.h"

class QMdiSubWindow;

namespace yardmark {

class App;

class FormHost : public QObject {
  Q_OBJECT
 public:
  explicit FormHost(App& app);
  ~FormHost() override;

  // The main window calls this once it has made its MDI area.
  void attach(QWidget* mainWindow, QMdiArea* area);
  QMdiArea* area() const { return m_area; }
  QWidget* mainWindow() const { return m_main; }

  template <class F>
  F& load() {
    static_assert(std::is_base_of_v<Form, F>);
    return static_cast<F&>(loadForm(typeid(F), [this]() -> Form* { return new F(m_app); }));
  }
  // Loads the form if needed, shows it modeless and makes it the active form.
  template <class F>
  F& show() {
    F& form = load<F>();
    showForm(form);
    return form;
  }
  template <class F>
  F* find() const {
    return static_cast<F*>(findForm(typeid(F)));
  }

  void showForm(Form& form);
  // Runs the form's unload logic and closes it unless that cancelled; true when closed.
  bool unload(Form& form);
  // Unloads every loaded form, topmost first; stops and returns false at the first that cancels.
  bool unloadAll();
  std::vector<Form*> loaded() const;

  // The form that last became active (nullptr before the first or after it unloaded).
  Form* current() const { return m_current; }

  // Placement in twips over the main window, kept inside the MDI area.
  QSize mainWindowTwips() const;
  QSize sizeTwips(const Form& form) const;
  void place(Form& form, QPoint twips);

  QMdiSubWindow* subWindowOf(const Form& form) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Form& loadForm(std::type_index type, const std::function<Form*()>& make);
  Form* findForm(std::type_index type) const;
  Form* formOf(QMdiSubWindow* window) const;
  bool approveUnload(Form& form);
  void noteActive(QMdiSubWindow* window);

  App& m_app;
  QPointer<QWidget> m_main;
  QPointer<QMdiArea> m_area;
  std::map<std::type_index, QPointer<Form>> m_forms;
  QPointer<Form> m_current;
  bool m_unloadingAll = false;
};

}  // namespace yardmark
