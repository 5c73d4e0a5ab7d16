#include "high_density.h"

#include <QGuiApplication>
#include <algorithm>
#include <cmath>

#include "app/canvas.h"
#include "app/pictures.h"

double ratio() {
  return qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
             ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
             : qGuiApp->devicePixelRatio();
}

int edge(int e, double r) {
  return static_cast<int>(std::floor(e * r + 0.5));
}

QRect device(const QRect& logical, double r) {
  return QRect(QPoint(edge(logical.left(), r), edge(logical.top(), r)),
               QPoint(edge(logical.right() + 1, r) - 1, edge(logical.bottom() + 1, r) - 1));
}

QImage shown(GameWindow& w) {
  QImage img = w.window.canvas().grab().toImage().convertToFormat(QImage::Format_RGB32);
  img.setDevicePixelRatio(1);
  return img;
}

QImage expectedPicture(int code, QSize size, double r) {
  const int scale = std::clamp(static_cast<int>(std::ceil(r)), 1, 3);
  QImage img = gamePicture(code, scale).toImage().convertToFormat(QImage::Format_RGB32);
  img.setDevicePixelRatio(1);
  if (img.size() == size) return img;
  return img.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
