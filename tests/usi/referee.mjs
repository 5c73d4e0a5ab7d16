// A referee for engine matches: mizuhane-usi against fairy-stockfish (Debian's package, at a low
// depth), whole games from the standard start in both colours, positions sent as GUIs send them
// (`position startpos moves ...`). Every move of mizuhane-usi is judged by two independent
// judges: the tsshogi library and fairy-stockfish's own list of legal moves (`go perft 1`). A
// resignation must come from a side with no legal move. Then every corpus position is asked
// about once at each level and judged the same way.
//
//   node referee.mjs <mizuhane-usi> <fairy-stockfish> <corpus.sfen> [fairy-stockfish depth]
//
// Exits with 1 on any illegal move, false resignation or protocol fault.
import { readFileSync } from "node:fs";
import { UsiProcess, illegality, legalMoves, shogi } from "./usi_process.mjs";

const [mizuhanePath, fairyPath, corpusPath, depthText = "2"] = process.argv.slice(2);
const DEPTH = Number(depthText);
// Generous: a decision takes milliseconds, but the machine may be busy.
const ANSWER_MS = 20000;
const MAX_PLIES = 256;
// Book openings, played before the engines take over, so that the deterministic engines meet
// in different games.
const OPENINGS = [[], ["7g7f", "3c3d"], ["2g2f", "8c8d"], ["7g7f", "8c8d", "6g6f"]];

const faults = [];
let illegalMoves = 0;
let mizuhaneMoves = 0;

async function start(path, name, options) {
  const e = new UsiProcess(path, name);
  e.send("usi");
  await e.until("usiok", ANSWER_MS);
  for (const [option, value] of options) e.send(`setoption name ${option} value ${value}`);
  e.send("isready");
  await e.until("readyok", ANSWER_MS);
  return e;
}

// fairy-stockfish's legal moves for the position of `command`.
async function perft(fairy, command) {
  fairy.send(command);
  fairy.send("go perft 1");
  const lines = await fairy.until("Nodes searched", ANSWER_MS);
  return new Set(lines.map((l) => /^(\S+): 1$/.exec(l)).filter(Boolean).map((m) => m[1]));
}

// Asks mizuhane-usi for its move and checks the lines before `bestmove`.
async function askMizuhane(mizuhane, command, where) {
  mizuhane.send(command);
  mizuhane.send("go btime 600000 wtime 600000 byoyomi 1000");
  const lines = await mizuhane.until("bestmove ", ANSWER_MS);
  const best = lines[lines.length - 1].slice("bestmove ".length);
  const info = lines[lines.length - 2] ?? "";
  const shape =
    best === "resign"
      ? /^info depth 1 nodes [0-9]+ score mate -1$/
      : /^info depth 1 nodes [0-9]+ score (cp -?[0-9]+|mate 1) pv (\S+)$/;
  const m = shape.exec(info);
  if (!m || (best !== "resign" && m[2] !== best)) faults.push(`${where}: info line '${info}'`);
  return best;
}

// Judges a move (or resignation) of mizuhane-usi in `position`; true when it stands.
async function judge(fairy, position, command, best, where) {
  const perftMoves = await perft(fairy, command);
  if (best === "resign") {
    const left = legalMoves(position);
    if (left.length > 0 || perftMoves.size > 0) {
      faults.push(`${where}: resigned with legal moves such as ${left[0] ?? [...perftMoves][0]}`);
    }
    return true;
  }
  const why = illegality(position, best) || (perftMoves.has(best) ? "" : "not in perft list");
  if (why === "") return true;
  ++illegalMoves;
  faults.push(`${where}: illegal move ${best}: ${why}`);
  return false;
}

// One game; returns "win", "loss" or "draw" for mizuhane-usi.
async function game(mizuhane, fairy, { level, mizuhaneBlack, opening }) {
  const record = new shogi.Record();
  const moves = [...opening];
  for (const usi of opening) record.append(record.position.createMoveByUSI(usi));
  mizuhane.send(`setoption name Level value ${level}`);
  for (const e of [mizuhane, fairy]) {
    e.send("usinewgame");
    e.send("isready");
    await e.until("readyok", ANSWER_MS);
  }
  const end = (result, why) => {
    for (const e of [mizuhane, fairy]) e.send(`gameover ${result === "draw" ? "draw" : "win"}`);
    return { result, why, plies: moves.length };
  };
  for (;;) {
    if (moves.length >= MAX_PLIES) return end("draw", "move limit");
    const position = record.position;
    const command = "position startpos" + (moves.length ? " moves " + moves.join(" ") : "");
    const mizuhaneToMove = (position.color === shogi.Color.BLACK) === mizuhaneBlack;
    let best;
    if (mizuhaneToMove) {
      const where = `level ${level} ply ${moves.length + 1} after '${command}'`;
      best = await askMizuhane(mizuhane, command, where);
      ++mizuhaneMoves;
      if (!(await judge(fairy, position, command, best, where))) return end("loss", "illegal");
      if (best === "resign") return end("loss", "resigned");
    } else {
      fairy.send(command);
      fairy.send(`go depth ${DEPTH}`);
      const lines = await fairy.until("bestmove ", ANSWER_MS);
      best = lines[lines.length - 1].split(" ")[1];
      if (best === "resign" || best === "(none)") return end("win", "fairy-stockfish resigned");
      if (illegality(position, best) !== "") return end("win", `fairy-stockfish played ${best}`);
    }
    record.append(position.createMoveByUSI(best));
    moves.push(best);
    if (record.repetition) {
      const checker = record.perpetualCheck;
      if (checker === null) return end("draw", "repetition");
      const mizuhaneChecked = (checker === shogi.Color.BLACK) === mizuhaneBlack;
      return end(mizuhaneChecked ? "loss" : "win", "perpetual check");
    }
  }
}

async function match(mizuhane, fairy) {
  const score = { win: 0, loss: 0, draw: 0 };
  let games = 0;
  for (const level of [1, 2, 3])
    for (const mizuhaneBlack of [true, false])
      for (const opening of OPENINGS) {
        const g = await game(mizuhane, fairy, { level, mizuhaneBlack, opening });
        ++games;
        ++score[g.result];
        console.log(
          `game ${games}: level ${level}, mizuhane-usi ${mizuhaneBlack ? "black" : "white"}, ` +
            `opening '${opening.join(" ")}': ${g.result} (${g.why}) after ${g.plies} plies`,
        );
      }
  console.log(
    `${games} games, ${mizuhaneMoves} decisions of mizuhane-usi, ${illegalMoves} illegal; ` +
      `mizuhane-usi against fairy-stockfish depth ${DEPTH}: ` +
      `${score.win} won, ${score.loss} lost, ${score.draw} drawn`,
  );
}

// Every corpus position at every level, as `position sfen`.
async function corpus(mizuhane, fairy) {
  const lines = readFileSync(corpusPath, "utf8").split("\n").filter((l) => l.trim() !== "");
  let asked = 0;
  for (const level of [1, 2, 3]) {
    mizuhane.send(`setoption name Level value ${level}`);
    for (const sfen of lines) {
      const position = shogi.Position.newBySFEN(sfen);
      if (!position) {
        faults.push(`corpus: tsshogi cannot read '${sfen}'`);
        continue;
      }
      const command = `position sfen ${sfen}`;
      const where = `corpus level ${level} '${sfen}'`;
      const best = await askMizuhane(mizuhane, command, where);
      await judge(fairy, position, command, best, where);
      ++asked;
    }
  }
  console.log(`${asked} corpus decisions judged, ${illegalMoves} illegal moves in all`);
}

const mizuhane = await start(mizuhanePath, "mizuhane-usi", []);
const fairy = await start(fairyPath, "fairy-stockfish", [["UCI_Variant", "shogi"]]);
try {
  await match(mizuhane, fairy);
  await corpus(mizuhane, fairy);
} catch (err) {
  faults.push(err.message);
} finally {
  mizuhane.kill();
  fairy.kill();
}
if (faults.length > 0) {
  for (const f of faults.slice(0, 40)) console.error(`FAIL ${f}`);
  process.exit(1);
}
