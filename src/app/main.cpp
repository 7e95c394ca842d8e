#include <QApplication>

#include "shell/MDIForm1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("YardMark");
  MDIForm1 w;
  w.show();
  return QApplication::exec();
}
