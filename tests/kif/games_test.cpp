// Games played through the window's handlers and exported with KIF書出, each beside a note of
// what the game itself holds: the start and final positions, the moves, their times, the names
// and the end. tests/npm/kif_read_back.mjs reads every file back with an independently written
// KIF reader and compares it with the note.
#include <fstream>

#include "tests/kif/kif_fixture.h"
#include "usi/usi.h"

namespace {

const std::filesystem::path GAMES = KIF_GAMES;

// The folder is emptied once per run, so the reader never meets a game of an older build.
void prepare_games_folder() {
  static const bool ready = [] {
    std::filesystem::remove_all(GAMES);
    std::filesystem::create_directories(GAMES);
    return true;
  }();
  (void)ready;
}

std::string json(const std::string& s) {
  std::string out = "\"";
  for (const char c : s) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string sfen_of(const int16_t ban[10][10], const int16_t sita[8], const int16_t ue[8],
                    bool lowerToMove) {
  Position p;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) p.ban[x][y] = ban[x][y];
  for (int i = 1; i <= 7; ++i) {
    p.sita[i] = sita[i];
    p.ue[i] = ue[i];
  }
  p.lower_to_move = lowerToMove;
  const std::string s = to_sfen(p);
  return s.substr(0, s.rfind(' '));  // without the move number
}

class KifGames : public KifTest {
 protected:
  std::mt19937 rng;
  StartPosition start;  // the position as the first move was about to be made

  void SetUp() override {
    KifTest::SetUp();
    prepare_games_folder();
  }

  void note_start() {
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) start.ban[x][y] = g.BAN[x][y];
    for (int i = 1; i <= 7; ++i) {
      start.sita[i] = g.SITA_MOCHI[i];
      start.ue[i] = g.UE_MOCHI[i];
    }
  }

  bool lower_to_move() const { return g.TEBAN == g.MAN_TEBAN; }

  // Every move and drop of one side as clicks; the stand rows are those on the screen.
  std::vector<ClickMove> side_moves(bool lower, bool takeKings) {
    調査_2歩フラグ設定(g);
    const int sign = lower ? -1 : 1;
    std::vector<ClickMove> out;
    for (int fx = 1; fx <= 9; ++fx)
      for (int fy = 1; fy <= 9; ++fy) {
        const int koma = g.BAN[fx][fy];
        if (koma * sign < 10) continue;
        for (int tx = 1; tx <= 9; ++tx)
          for (int ty = 1; ty <= 9; ++ty) {
            if (!takeKings && (g.BAN[tx][ty] == OU || g.BAN[tx][ty] == -OU)) continue;
            if (移動チェック(g, fx, fy, tx, ty, koma) != 1) continue;
            int button = BTN_LEFT;
            if (移動後チェック(ty, koma) == 0 ||
                (調査_駒成(g, fx, fy, tx, ty, koma) == 1 && rng() % 2))
              button = BTN_RIGHT;
            out.push_back({fx, fy, tx, ty, button});
          }
      }
    const int16_t* hand = lower ? g.SITA_MOCHI : g.UE_MOCHI;
    for (int i = 1; i <= 7; ++i) {
      if (hand[i] <= 0) continue;
      const int cx = lower ? SITA_STAND_X : UE_STAND_X, cy = lower ? i + 2 : 8 - i;
      for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty)
          if (移動チェック(g, cx, cy, tx, ty, sign * MOCHI_KOMA[i]) == 1)
            out.push_back({cx, cy, tx, ty, BTN_LEFT});
    }
    return out;
  }

  void play_click_move(const ClickMove& m) {
    const int before = g.KIFU_IDX;
    play(m.fx, m.fy, m.tx, m.ty, m.button, static_cast<float>(rng() % 40));
    ASSERT_GT(g.KIFU_IDX, before) << "a legal move was refused";
    port.clearLogs();
  }

  // Two people at random until a king is taken or `plies` moves are on the list.
  void play_people(int plies, bool takeKings) {
    while (g.OU_TORI == 0 && g.KIFU_IDX < plies) {
      const std::vector<ClickMove> moves = side_moves(lower_to_move(), takeKings);
      ASSERT_FALSE(moves.empty());
      play_click_move(moves[rng() % moves.size()]);
      if (HasFailure()) return;
    }
  }

  // The human at random, keeping the king out of reach when it can, against the computer.
  void play_computer(int plies) {
    while (g.OU_TORI == 0 && g.KIFU_IDX < plies) {
      ASSERT_TRUE(lower_to_move());
      std::vector<ClickMove> moves = lower_moves(g, rng), safe;
      for (const ClickMove& m : moves)
        if (leaves_king_safe(g, m)) safe.push_back(m);
      if (!safe.empty()) moves = safe;
      if (moves.empty()) return;
      play_click_move(moves[rng() % moves.size()]);
      if (HasFailure()) return;
    }
  }

  // Exports the game and writes the note the reader compares it with.
  void save_game(const std::string& name) {
    ASSERT_GE(g.KIFU_IDX, 1);
    const bool upperFirst = g.KIFU_KOMA[1] > 0;
    const std::string title = "対局 " + name, first = "先の人", second = "後の人";
    port.folder = GAMES;
    export_kif(name, title, first, second);
    ASSERT_TRUE(wrote()) << (port.messages.empty() ? "" : port.messages.back().text);

    std::string moves, times;
    for (int n = 1; n <= g.KIFU_IDX; ++n) {
      const int fx = g.KIFU_MOTO_X[n], tx = g.KIFU_SAKI_X[n], ty = g.KIFU_SAKI_Y[n];
      const bool drop = fx < 1 || fx > 9;
      const UsiMove m{drop,
                      drop ? hand_index(g.KIFU_KOMA[n]) : 0,
                      drop ? 0 : fx,
                      drop ? 0 : g.KIFU_MOTO_Y[n],
                      tx,
                      ty,
                      g.KIFU_NARIGO[n] != g.KIFU_KOMA[n]};
      moves += std::string(n > 1 ? "," : "") + json(to_usi(m));
      const int t = clock_field(g.KIFU_SITA_ATO[n]) - clock_field(g.KIFU_SITA_MAE[n]) +
                    clock_field(g.KIFU_UE_ATO[n]) - clock_field(g.KIFU_UE_MAE[n]);
      times += std::string(n > 1 ? "," : "") + std::to_string(t);
    }
    const int last = g.KIFU_IDX;
    const bool lastUpper = g.KIFU_KOMA[last] > 0;
    std::string end = "none";
    if (g.KIFU_TORI[last] == OU || g.KIFU_TORI[last] == -OU)
      end = "まで" + std::to_string(last) + "手で" +
            (lastUpper ? (upperFirst ? "上手" : "後手") : (upperFirst ? "下手" : "先手")) +
            "の勝ち";
    else if (last == KIFU_MAX)
      end = "draw";
    std::ofstream(GAMES / (name + ".json"))
        << "{\"upperFirst\":" << (upperFirst ? "true" : "false") << ",\"title\":" << json(title)
        << ",\"lower\":" << json(upperFirst ? second : first)
        << ",\"upper\":" << json(upperFirst ? first : second)
        << ",\"start\":" << json(sfen_of(start.ban, start.sita, start.ue, !upperFirst))
        << ",\"final\":" << json(sfen_of(g.BAN, g.SITA_MOCHI, g.UE_MOCHI, lastUpper))
        << ",\"moves\":[" << moves << "],\"times\":[" << times << "],\"end\":" << json(end)
        << "}\n";
  }
};

TEST_F(KifGames, TheShortGame) {
  note_start();
  play_short_game();
  save_game("short");
}

class PeopleGames : public KifGames, public testing::WithParamInterface<unsigned> {};

TEST_P(PeopleGames, LowerSideFirst) {
  rng.seed(GetParam());
  note_start();
  START_Click(g);
  play_people(300, true);
  save_game("people-lower-first-" + std::to_string(GetParam()));
}

// The computer makes the first move, then two people go on from there.
TEST_P(PeopleGames, UpperSideFirst) {
  rng.seed(GetParam());
  note_start();
  GOTE_Click(g);
  START_Click(g);
  play_people(300, true);
  save_game("people-upper-first-" + std::to_string(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Seeds, PeopleGames, testing::Values(1u, 2u, 3u));

class ComputerGames : public KifGames, public testing::WithParamInterface<std::tuple<int, bool>> {};

TEST_P(ComputerGames, AtEachLevel) {
  const auto [level, humanFirst] = GetParam();
  rng.seed(static_cast<unsigned>(level * 10 + humanFirst));
  レベル_設定(g, level);
  note_start();
  humanFirst ? SENTE_Click(g) : GOTE_Click(g);
  play_computer(200);
  save_game("computer-level" + std::to_string(level) +
            (humanFirst ? "-human-first" : "-computer-first"));
}

INSTANTIATE_TEST_SUITE_P(LevelsAndOrders, ComputerGames,
                         testing::Combine(testing::Values(1, 2, 3), testing::Bool()));

TEST_F(KifGames, HandicapGrades) {
  struct Case {
    const char* name;
    int steps;  // positive: upper pieces off, negative: lower pieces off
    void (*start)(Game&);
  };
  const Case cases[] = {
      {"handicap-upper-3-human-first", 3, SENTE_Click},
      {"handicap-upper-2-computer-first", 2, GOTE_Click},
      {"handicap-lower-2-people", -2, START_Click},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    rng.seed(7);
    CANCEL_Click(g);
    for (int i = 0; i < (c.steps > 0 ? c.steps : -c.steps); ++i)
      c.steps > 0 ? LBEL_UP_Click(g) : LEBEL_DOWN_Click(g);
    note_start();
    c.start(g);
    if (c.start == START_Click)
      play_people(300, true);
    else
      play_computer(200);
    save_game(c.name);
  }
}

TEST_F(KifGames, AFullMoveListIsADraw) {
  rng.seed(11);
  note_start();
  START_Click(g);
  play_people(KIFU_MAX, false);
  ASSERT_EQ(g.KIFU_IDX, KIFU_MAX);
  ASSERT_EQ(g.OU_TORI, OU_TORI_HIKIWAKE);
  save_game("draw-500");
  const std::string bytes = read_bytes(GAMES / "draw-500.kif");
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
}

TEST_F(KifGames, OnlyTheMovesUpToThePositionShown) {
  rng.seed(5);
  note_start();
  START_Click(g);
  play_people(40, false);
  for (int i = 0; i < 5; ++i) REPLAY_Click(g);
  ASSERT_EQ(g.KIFU_IDX, 35);
  save_game("stepped-back");
}

TEST_F(KifGames, ARecordLoadedAndReplayed) {
  rng.seed(3);
  note_start();
  GOTE_Click(g);
  START_Click(g);
  play_people(60, true);
  const int moves = g.KIFU_IDX;
  KIFU_WRITE_Click(g);
  save("replayed", "", "先の人", "後の人");
  load("replayed");
  for (int i = 0; i < moves; ++i) AFTER_Click(g);
  ASSERT_EQ(g.KIFU_IDX, moves);
  save_game("record-replayed");
}

}  // namespace
