#include "app/splash.h"

#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <algorithm>

#include "app/canvas.h"
#include "app/pictures.h"

namespace {

constexpr double WIDTH = 11200, HEIGHT = 6800;  // twips

}  // namespace

SplashWindow::SplashWindow() : QFrame(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("Form2"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(2);
  for (std::size_t i = 0; i < pictures_.size(); ++i) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Picture%1").arg(i + 1));
    label->hide();
    pictures_[i] = label;
  }
  fitPictures();
  setClientSize(WIDTH, HEIGHT);
}

void SplashWindow::fitPictures() {
  const double ratio = devicePixelRatioF();
  if (ratio == ratio_) return;
  ratio_ = ratio;
  for (std::size_t i = 0; i < pictures_.size(); ++i) {
    pictures_[i]->setPixmap(splashPictureFor(static_cast<int>(i) + 1, ratio));
    pictures_[i]->adjustSize();
  }
}

void SplashWindow::setClientSize(double widthTwips, double heightTwips) {
  setFixedSize(std::max(1, toPixelSize(widthTwips)), std::max(1, toPixelSize(heightTwips)));
}

void SplashWindow::showCentred(bool visible) {
  if (visible) {
    // Made for the screen the window shows on, which may not be the one it was made on.
    fitPictures();
    if (const QScreen* screen = this->screen())
      move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
  } else {
    hide();
  }
}

QLabel* SplashWindow::picture(int index) const {
  if (index < 0 || index >= static_cast<int>(pictures_.size())) return nullptr;
  return pictures_[index];
}

void SplashWindow::placePicture(int index, double leftTwips, double topTwips) {
  if (QLabel* label = picture(index)) label->move(toPixels(leftTwips), toPixels(topTwips));
}

void SplashWindow::showPicture(int index, bool visible) {
  if (QLabel* label = picture(index)) label->setVisible(visible);
}
