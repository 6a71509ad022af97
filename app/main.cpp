// velmora: the desktop program.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Velmora");
  window.resize(600, 560);
  window.show();
  return app.exec();
}
