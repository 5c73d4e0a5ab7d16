// A started program with the recording fake port, played through its handlers as a person
// would: clicks on cells, menu entries, timer ticks.
#pragma once

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "game/control.h"
#include "record/record.h"
#include "rules/game.h"
#include "screen/screen.h"
#include "tests/support/board.h"
#include "tests/support/fake_port.h"
#include "tests/support/temp_dir.h"

class GameTest : public testing::Test {
 protected:
  TempDir dir;
  FakePort port;
  Game g{port};

  void SetUp() override {
    Form_Load(g);
    port.clearLogs();
  }

  // A press in the middle of a cell (board square or stand cell).
  void click(int x, int y, int button = 1) {
    Form_MouseDown(g, button, 1050 + (x + 0.5) * 495, 100 + (y + 0.5) * 615);
  }
  // Two clicks: pick up, then put down.
  void move(int fx, int fy, int tx, int ty, int button = 1) {
    click(fx, fy);
    click(tx, ty, button);
  }
  bool said(const std::string& text, const std::string& title) const {
    for (const auto& m : port.messages)
      if (m.text == text && m.title == title) return true;
    return false;
  }
  int pieces_on_board() const {
    int n = 0;
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) n += g.BAN[x][y] != 0;
    return n;
  }
  int pieces_in_hands() const {
    int n = 0;
    for (int i = 1; i <= 7; ++i) n += g.SITA_MOCHI[i] + g.UE_MOCHI[i];
    return n;
  }
};

// A legal move or drop of the lower side as clicks: origin cell (a stand cell for drops).
struct ClickMove {
  int fx, fy, tx, ty, button;
};

// Every legal move and drop of the lower side, with the button a person would need (the right
// one where promotion is compulsory, at random where it is optional).
std::vector<ClickMove> lower_moves(Game& g, std::mt19937& rng);

// Whether the move leaves the lower king unattacked (a king capture always counts as safe).
// The board is restored and surveyed again afterwards.
bool leaves_king_safe(Game& g, const ClickMove& m);
