#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName("TAQ");
  QApplication::setApplicationName(NORVA_PROGRAM_TITLE);
  QMainWindow w;
  w.setWindowTitle(NORVA_PROGRAM_TITLE);
  w.resize(1024, 768);
  w.show();
  return app.exec();
}
