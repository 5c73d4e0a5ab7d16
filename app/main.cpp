// Mizuhane: the window, the game object and the event loop.
#include <QApplication>
#include <QIcon>

#include "app/font.h"
#include "app/handlers.h"
#include "app/locations.h"
#include "app/main_window.h"
#include "app/pictures.h"
#include "app/qt_port.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Mizuhane"));
  // The desktop matches the window with its menu entry by this name, and shows the installed
  // icon; a program run from the source tree has only the piece picture.
  QApplication::setDesktopFileName(QStringLiteral(APP_ID));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(APP_ID), QIcon(gamePicture(-950))));
  if (!loadWindowFont())
    qWarning(
        "The IPA P Mincho font is missing (Debian: fonts-ipafont-mincho); texts fall back to "
        "another face.");

  // Before the window: its record chooser opens in the working folder this may change.
  const Locations where = settleLocations();
  MainWindow window;
  QtPort port(window);
  Game game(port);
  game.settingsFolder = where.settingsFolder;
  game.soundFolder = where.soundFolder;
  window.attach(game);
  window.startUp();
  // Start-up may already have ended the program.
  if (window.ending()) return 0;
  window.show();
  return app.exec();
}
