#include "shell/MDIForm1.h"

#include <QMdiArea>

MDIForm1::MDIForm1(QWidget* parent) : QMainWindow(parent), m_mdi(new QMdiArea(this)) {
  setObjectName("MDIForm1");
  setWindowTitle("YardMark");
  m_mdi->setObjectName("mdiArea");
  setCentralWidget(m_mdi);
  resize(1024, 740);
}
