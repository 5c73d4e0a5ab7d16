// Reads every KIF file the game exported in the given folder with tsshogi's importKIF, an
// independently written KIF reader, and compares what it finds with the note the game left
// beside each file (NAME.json): the start and final positions, every move, its time, the names,
// the title and the end. Exits with 1 at the first difference in any game.
import { readFileSync, readdirSync } from "node:fs";
import { join } from "node:path";
import { Move, RecordMetadataKey, SpecialMoveType, importKIF } from "tsshogi";

const folder = process.argv[2];
if (!folder) {
  console.error("usage: node kif_read_back.mjs FOLDER");
  process.exit(2);
}

// Board, side to move and hands, without the move number.
const position = (sfen) => sfen.split(" ").slice(0, 3).join(" ");

function check(name) {
  const bytes = readFileSync(join(folder, `${name}.kif`));
  const note = JSON.parse(readFileSync(join(folder, `${name}.json`), "utf8"));
  const problems = [];
  const expect = (what, got, want) => {
    const a = JSON.stringify(got);
    const b = JSON.stringify(want);
    if (a !== b) problems.push(`${what}: read ${a}, expected ${b}`);
  };

  // Shift_JIS throughout (a byte that is not fails the decoder), every line ended by CR LF.
  let text;
  try {
    text = new TextDecoder("shift_jis", { fatal: true }).decode(bytes);
  } catch (e) {
    return [`not Shift_JIS: ${e.message}`];
  }
  expect("every line ends with CR LF", /(^|[^\r])\n/.test(text) || !text.endsWith("\r\n"), false);

  const record = importKIF(text);
  if (record instanceof Error) return [`importKIF refused it: ${record.message}`];

  const lowerKey = note.upperFirst ? RecordMetadataKey.SHITATE_NAME : RecordMetadataKey.BLACK_NAME;
  const upperKey = note.upperFirst ? RecordMetadataKey.UWATE_NAME : RecordMetadataKey.WHITE_NAME;
  expect("title", record.metadata.getStandardMetadata(RecordMetadataKey.TITLE), note.title);
  expect("lower side's name", record.metadata.getStandardMetadata(lowerKey), note.lower);
  expect("upper side's name", record.metadata.getStandardMetadata(upperKey), note.upper);
  expect("start", position(record.initialPosition.sfen), note.start);

  const nodes = record.moves.filter((n) => n.ply > 0);
  const moves = nodes.filter((n) => n.move instanceof Move);
  expect("moves", moves.map((n) => n.move.usi), note.moves);
  expect("times", moves.map((n) => n.elapsedMs / 1000), note.times);
  record.goto(moves.length);
  expect("final position", position(record.position.sfen), note.final);

  const specials = nodes.filter((n) => !(n.move instanceof Move)).map((n) => n.move.type);
  expect("draw marker", specials, note.end === "draw" ? [SpecialMoveType.IMPASS] : []);
  if (note.end !== "draw" && note.end !== "none") {
    const lines = text.trimEnd().split("\r\n");
    expect("result line", lines[lines.length - 1], note.end);
  }
  return problems;
}

const names = readdirSync(folder)
  .filter((f) => f.endsWith(".json"))
  .map((f) => f.slice(0, -5))
  .sort();
const kifs = readdirSync(folder).filter((f) => f.endsWith(".kif"));
let failed = kifs.length !== names.length || names.length === 0;
if (failed) console.error(`${kifs.length} KIF files for ${names.length} notes`);
for (const name of names) {
  const problems = check(name);
  if (problems.length) {
    failed = true;
    console.error(`${name}:\n  ${problems.join("\n  ")}`);
  } else {
    console.log(`${name}: read back`);
  }
}
console.log(`${names.length} games checked by tsshogi's importKIF`);
process.exit(failed ? 1 : 0);
