#include "app/pictures.h"

#include <QImage>
#include <QString>
#include <algorithm>
#include <cmath>

// The resources live in a static library, which keeps them only when something refers to
// them; registering them by hand does. (Q_INIT_RESOURCE must be used outside any namespace.)
static void registerPictures() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(assets);
    return true;
  }();
  (void)registered;
}

namespace {

constexpr int FINEST_SCALE = 3;
// Ratios reported as 2.0000001 and the like are taken for the whole number they mean.
constexpr double RATIO_SLACK = 1e-6;

QPixmap load(const QString& name, int scale) {
  registerPictures();
  if (scale < 1 || scale > FINEST_SCALE) return {};
  // Qt sets the pixmap's device pixel ratio from the "@2x" in the name.
  const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
  return QPixmap(QStringLiteral(":/%1%2.png").arg(name, suffix));
}

}  // namespace

QPixmap gamePicture(int code, int scale) {
  return load(QStringLiteral("pieces/%1").arg(code), scale);
}

QPixmap splashPicture(int number, int scale) {
  return load(QStringLiteral("splash/%1").arg(number), scale);
}

int pictureScale(double ratio) {
  if (!(ratio > 1 + RATIO_SLACK)) return 1;
  return std::min(FINEST_SCALE, static_cast<int>(std::ceil(ratio - RATIO_SLACK)));
}

QPixmap splashPictureFor(int number, double ratio) {
  const int scale = pictureScale(ratio);
  const QPixmap variant = splashPicture(number, scale);
  if (variant.isNull()) return variant;
  const QSizeF logical = variant.deviceIndependentSize();
  const QSize device(static_cast<int>(std::lround(logical.width() * ratio)),
                     static_cast<int>(std::lround(logical.height() * ratio)));
  if (device == variant.size()) return variant;
  QImage fitted = variant.toImage().scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  fitted.setDevicePixelRatio(ratio);
  return QPixmap::fromImage(fitted);
}
