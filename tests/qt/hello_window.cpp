// The yardstick for the game's start: the least a Qt Widgets program does to
// show a window of the cabinet's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Hello window"));
  window.resize(800, 600);
  window.show();
  return QApplication::exec();
}
