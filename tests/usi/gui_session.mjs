// A shogi GUI's session with mizuhane-usi, scripted: handshake, a new game, a move asked for
// under clocks, analysis stopped, pondering hit, the end of the game and quitting. Every answer
// must be what the protocol says, and each must come within a second.
//
//   node gui_session.mjs <mizuhane-usi>
import { UsiProcess, illegality, shogi } from "./usi_process.mjs";

const SECOND = 1000;
// How long the engine must stay silent where the protocol wants no answer (yet).
const SILENCE = 300;

const failures = [];
function check(ok, what) {
  if (!ok) failures.push(what);
}

// The decision's lines: the exact score, the info line GUIs show, and the move itself.
async function decision(e, position, what, released = null) {
  const lines = [await e.line(SECOND), await e.line(SECOND)];
  if (released) {
    const early = await e.quiet(SILENCE);
    check(early.length === 0, `${what}: answered before '${released}': ${early.join(" | ")}`);
    e.send(released);
  }
  lines.push(await e.line(SECOND));
  const [exact, info, best] = lines;
  check(/^info string score -?[0-9.e+-]+$/.test(exact), `${what}: exact score line '${exact}'`);
  const m = /^info depth 1 nodes [0-9]+ score (cp -?[0-9]+|mate 1) pv (\S+)$/.exec(info);
  check(m !== null, `${what}: info line '${info}'`);
  const b = /^bestmove (\S+)$/.exec(best);
  check(b !== null, `${what}: bestmove line '${best}'`);
  if (!m || !b) return;
  check(m[2] === b[1], `${what}: pv ${m[2]} is not the best move ${b[1]}`);
  const why = illegality(position, b[1]);
  check(why === "", `${what}: ${why}`);
}

async function session(path) {
  const e = new UsiProcess(path, "mizuhane-usi");
  try {
    e.send("usi");
    const hello = await e.until("usiok", SECOND);
    check(hello[0] === "id name Mizuhane", `id name: ${hello[0]}`);
    check(hello.some((l) => l.startsWith("id author ")), "no id author");
    check(
      hello.includes("option name Rules type combo default Standard var Standard var Mizuhane"),
      "no Rules option",
    );
    check(hello.includes("option name Level type spin default 3 min 1 max 3"), "no Level option");
    e.send("setoption name USI_Ponder value true");
    e.send("setoption name USI_Hash value 256");
    e.send("isready");
    check((await e.line(SECOND)) === "readyok", "isready");
    e.send("usinewgame");
    e.send("position startpos moves 7g7f");
    const quiet = await e.quiet(SILENCE);
    check(quiet.length === 0, `answered options, usinewgame or position: ${quiet.join(" | ")}`);

    const position = shogi.Position.newBySFEN(shogi.InitialPositionSFEN.STANDARD);
    position.doMove(position.createMoveByUSI("7g7f"));
    e.send("go btime 60000 wtime 60000 byoyomi 1000");
    await decision(e, position, "go with clocks");
    e.send("go infinite");
    await decision(e, position, "go infinite", "stop");
    e.send("go ponder");
    await decision(e, position, "go ponder", "ponderhit");

    e.send("gameover win");
    e.send("isready");
    check((await e.line(SECOND)) === "readyok", "isready after gameover");
    e.send("quit");
    check((await e.exit(SECOND)) === 0, "quit: no clean exit within a second");
  } catch (err) {
    failures.push(err.message);
  } finally {
    e.kill();
  }
}

await session(process.argv[2]);
if (failures.length > 0) {
  for (const f of failures) console.error(`FAIL ${f}`);
  process.exit(1);
}
console.log("GUI session: every answer as the protocol says, each within a second");
