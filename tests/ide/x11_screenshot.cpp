// Saves the whole X screen as a PNG, for the end-to-end scripts that drive
// the program with xdotool.
//   x11_screenshot FILE.png
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  QGuiApplication app(argc, argv);
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen && screen->grabWindow(0).save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
