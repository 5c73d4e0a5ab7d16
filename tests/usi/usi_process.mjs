// A USI engine run as a child process and spoken to line by line, as a shogi GUI does, and the
// independently written shogi library (tsshogi, from tests/npm) that judges what it plays.
import { spawn } from "node:child_process";
import { createRequire } from "node:module";

function loadShogi() {
  try {
    return createRequire(new URL("../npm/package.json", import.meta.url))("tsshogi");
  } catch {
    console.error("tsshogi is missing: run `npm ci --prefix tests/npm` (tools/test.sh does).");
    process.exit(1);
  }
}
export const shogi = loadShogi();

export class Timeout extends Error {}

export class UsiProcess {
  constructor(path, name = path) {
    this.name = name;
    this.lines = [];
    this.waiter = null;
    this.exitCode = null;
    this.exited = new Promise((resolve) => {
      this.child = spawn(path, [], { stdio: ["pipe", "pipe", "inherit"] });
      this.child.on("error", (e) => {
        console.error(`${name}: cannot start ${path}: ${e.message}`);
        process.exit(1);
      });
      this.child.on("exit", (code, signal) => {
        this.exitCode = code ?? `signal ${signal}`;
        this.wake();
        resolve(this.exitCode);
      });
    });
    // A write after the engine has gone must fail its test, not end the whole run.
    this.child.stdin.on("error", () => {});
    let partial = "";
    this.child.stdout.setEncoding("utf8");
    this.child.stdout.on("data", (chunk) => {
      const parts = (partial + chunk).split("\n");
      partial = parts.pop();
      for (const l of parts) this.lines.push(l.replace(/\r$/, ""));
      this.wake();
    });
  }

  wake() {
    if (this.waiter) {
      const w = this.waiter;
      this.waiter = null;
      w();
    }
  }

  send(line) {
    this.child.stdin.write(line + "\n");
  }

  // The next line; throws Timeout when none comes within `ms` or the engine has ended.
  async line(ms) {
    const deadline = Date.now() + ms;
    while (this.lines.length === 0) {
      const left = deadline - Date.now();
      if (left <= 0 || this.exitCode !== null) {
        throw new Timeout(`${this.name}: no answer within ${ms} ms`);
      }
      await new Promise((resolve) => {
        const timer = setTimeout(resolve, left);
        this.waiter = () => {
          clearTimeout(timer);
          resolve();
        };
      });
    }
    return this.lines.shift();
  }

  // Lines up to and including the first that starts with `prefix`, each within `ms`.
  async until(prefix, ms) {
    const out = [];
    do out.push(await this.line(ms));
    while (!out[out.length - 1].startsWith(prefix));
    return out;
  }

  // Whatever arrives within `ms`, for checking that nothing does.
  async quiet(ms) {
    await new Promise((resolve) => setTimeout(resolve, ms));
    return this.lines.splice(0);
  }

  // The exit code once the process has ended, or null if it is still running after `ms`.
  async exit(ms) {
    const timer = new Promise((resolve) => setTimeout(() => resolve(null), ms));
    const code = await Promise.race([this.exited, timer]);
    if (code === null) this.child.kill("SIGKILL");
    return code;
  }

  kill() {
    if (this.exitCode === null) this.child.kill("SIGKILL");
  }
}

// Why standard shogi refuses `usi` in `position` (a tsshogi Position); "" when it is legal.
export function illegality(position, usi) {
  const move = position.createMoveByUSI(usi);
  if (!move) return `'${usi}' is no move of the side to move`;
  if (!position.isValidMove(move)) return `'${usi}' is not legal`;
  return "";
}

// Every legal move of the side to move, found by asking the library about every move that
// could be written down: slow, so only for the rare questions (has a resigning side really
// nothing left?).
export function legalMoves(position) {
  const files = "123456789";
  const ranks = "abcdefghi";
  const squares = [];
  for (const f of files) for (const r of ranks) squares.push(f + r);
  const candidates = [];
  for (const from of squares)
    for (const to of squares) if (from !== to) candidates.push(from + to, from + to + "+");
  for (const piece of "PLNSGBR") for (const to of squares) candidates.push(`${piece}*${to}`);
  return candidates.filter((usi) => illegality(position, usi) === "");
}
