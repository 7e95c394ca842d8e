#pragma once
// Base of every form and dialog: a widget shown in the main window's MDI area, with the
// two events the forms react to.
#include <QWidget>

namespace yardmark {

class App;

class Form : public QWidget {
  Q_OBJECT
 public:
  explicit Form(App& app) : m_app(app) {}

  App& app() const { return m_app; }

  // Closes the form through its unload logic; false when that cancelled.
  bool unload();

 protected:
  // The form became the active form, coming from another form. Never runs because a
  // message box, input box, menu or file dialog closed.
  virtual void formActivate() {}
  // Another form comes to the front: what this one holds unsaved is written before the other
  // reads the files.
  virtual void formDeactivate() {}
  // The form is about to close; set cancel to keep it open.
  virtual void formUnload(bool& cancel) { (void)cancel; }

  // Closing the widget itself (a Cancel button's close()) goes through the unload logic too.
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class FormHost;
  App& m_app;
  bool m_unloadApproved = false;
};

}  // namespace yardmark
