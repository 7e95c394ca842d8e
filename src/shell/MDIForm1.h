#pragma once
#include <QMainWindow>

class QMdiArea;

// The main window: a multiple-document parent from whose menus every form is opened.
class MDIForm1 : public QMainWindow {
  Q_OBJECT
public:
  explicit MDIForm1(QWidget* parent = nullptr);
  QMdiArea* mdiArea() const { return m_mdi; }

private:
  QMdiArea* m_mdi;
};
