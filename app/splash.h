// The splash window: a second top-level window on which the game shows its three title
// pictures one after the other while a new game is set up.
#pragma once

#include <QFrame>
#include <array>

class QLabel;

class SplashWindow : public QFrame {
  Q_OBJECT

 public:
  SplashWindow();

  void setClientSize(double widthTwips, double heightTwips);
  // Shows the window in the middle of the screen, or hides it.
  void showCentred(bool visible);
  void placePicture(int index, double leftTwips, double topTwips);
  void showPicture(int index, bool visible);
  QLabel* picture(int index) const;

 private:
  // Gives the pictures the screen's device pixel ratio.
  void fitPictures();

  std::array<QLabel*, 3> pictures_{};
  double ratio_ = 0;
};
