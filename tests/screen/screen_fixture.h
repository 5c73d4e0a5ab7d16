// A game on the recording port, with helpers that speak in cells instead of twips.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "rules/game.h"
#include "screen/screen.h"
#include "tests/support/fake_port.h"

inline double tx(double X) {
  return 1050 + X * 495;
}
inline double ty(double Y) {
  return 100 + Y * 615;
}

// A text as the player should see it: the cell it starts at, its colour and size.
struct TextAt {
  std::string text;
  double X, Y;
  int colour;
  double size;
};

class ScreenTest : public ::testing::Test {
 protected:
  FakePort port;
  Game g{port};

  std::vector<DrawCall> calls(DrawCall::Kind kind) const {
    std::vector<DrawCall> out;
    for (const auto& d : port.draws)
      if (d.kind == kind) out.push_back(d);
    return out;
  }

  // Every text drawn, in order, against the expected list (positions in cells, plus an offset
  // in twips for the texts that sit a little inside their cell).
  void expect_texts(const std::vector<TextAt>& want, double dx = 0, double dy = 0) const {
    const auto got = calls(DrawCall::Text);
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
      SCOPED_TRACE("text " + std::to_string(i) + " \"" + want[i].text + "\"");
      EXPECT_EQ(got[i].text, want[i].text);
      EXPECT_NEAR(got[i].x, tx(want[i].X) + dx, 1e-6);
      EXPECT_NEAR(got[i].y, ty(want[i].Y) + dy, 1e-6);
      EXPECT_EQ(got[i].code, want[i].colour);
      EXPECT_EQ(got[i].size, want[i].size);
    }
  }

  // True when a picture of the code was drawn with its corner at cell (X, Y).
  bool picture_at(int code, double X, double Y) const {
    for (const auto& d : calls(DrawCall::Picture))
      if (d.code == code && std::abs(d.x - tx(X)) < 1e-6 && std::abs(d.y - ty(Y)) < 1e-6)
        return true;
    return false;
  }

  // True when the outline of cell (X, Y) was drawn in the colour.
  bool outline_at(int colour, double X, double Y) const {
    for (const auto& d : calls(DrawCall::Rect))
      if (d.code == colour && std::abs(d.x - tx(X)) < 1e-6 && std::abs(d.y - ty(Y)) < 1e-6 &&
          std::abs(d.x2 - tx(X + 1)) < 1e-6 && std::abs(d.y2 - ty(Y + 1)) < 1e-6)
        return true;
    return false;
  }
};
