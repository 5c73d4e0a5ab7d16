// Mizuhane: the window, the game object and the event loop.
#include <QApplication>
#include <QIcon>

#include "app/font.h"
#include "app/handlers.h"
#include "app/main_window.h"
#include "app/pictures.h"
#include "app/qt_port.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Mizuhane"));
  QApplication::setWindowIcon(QIcon(gamePicture(-950)));
  if (!loadWindowFont())
    qWarning(
        "The IPA P Mincho font is missing (Debian: fonts-ipafont-mincho); texts fall back to "
        "another face.");

  MainWindow window;
  QtPort port(window);
  Game game(port);
  window.attach(game);
  window.startUp();
  // Start-up may already have ended the program.
  if (window.ending()) return 0;
  window.show();
  return app.exec();
}
