#include "app/pictures.h"

#include <QString>

// The resources live in a static library, which keeps them only when something refers to
// them; registering them by hand does. (Q_INIT_RESOURCE must be used outside any namespace.)
static void registerPictures() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(assets);
    return true;
  }();
  (void)registered;
}

QPixmap gamePicture(int code) {
  registerPictures();
  return QPixmap(QStringLiteral(":/pieces/%1.png").arg(code));
}

QPixmap splashPicture(int number) {
  registerPictures();
  return QPixmap(QStringLiteral(":/splash/%1.png").arg(number));
}
