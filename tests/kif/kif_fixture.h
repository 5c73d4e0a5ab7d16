// Shared set-up of the KIF tests: a started program whose chooser points at the test's own
// folder, with a clock that passes while the players think, the export through the write panel,
// and one short game between two people with every kind of move line in it.
#pragma once

#include <string>

#include "screen/screen.h"
#include "tests/record/kifu_fixture.h"

class KifTest : public KifuTest {
 protected:
  void SetUp() override {
    KifuTest::SetUp();
    // The clocks only run with the elapsed time shown.
    port.setChecked(Menu::KEIKA, true);
  }

  std::filesystem::path kif(const std::string& name) const { return records / (name + ".kif"); }

  // Time passes while a player thinks, and the timer tick notes it.
  void think(float seconds) {
    port.now += seconds;
    Timer1_Timer(g);
  }
  // A move by clicks after some thought; button 2 promotes.
  void play(int fx, int fy, int tx, int ty, int button, float seconds) {
    think(seconds);
    move(fx, fy, tx, ty, button);
  }

  // KIF書出, then the panel filled in (file name, title, first player, second player) and RETURN.
  void export_kif(const std::string& name, const std::string& title = "",
                  const std::string& first = "", const std::string& second = "") {
    KIF_EXPORT_Click(g);
    port.fields = {name, title, first, second};
    Command1_Click(g);
  }

  // Ten moves between two people, the lower side first: both sides capture, promote and drop,
  // two moves go back to the square just played, and the upper side ends it by taking the king.
  void play_short_game() {
    START_Click(g);
    play(8, 8, 8, 2, 2, 5);   // ２二飛成(28), taking the bishop
    play(7, 1, 8, 2, 1, 12);  // 同　銀(31)
    play(11, 8, 5, 5, 1, 3);  // ５五角打 from the lower stand
    play(2, 2, 2, 8, 2, 75);  // ８八飛成(82), taking the bishop
    play(5, 5, 1, 1, 2, 4);   // ９一角成(55), taking a lance
    play(2, 8, 5, 8, 1, 9);   // ５八龍(88)
    play(5, 9, 5, 8, 1, 1);   // 同　玉(59)
    play(-1, 1, 5, 3, 1, 2);  // ５三飛打 from the upper stand
    play(1, 1, 2, 1, 1, 6);   // ８一馬(91), taking a knight
    play(5, 3, 5, 8, 2, 3);   // ５八飛成(53), taking the king
  }
};
