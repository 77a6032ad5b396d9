// What the browser test and the web figures share: the site served on the
// loopback, Debian's Chromium driven through puppeteer-core, and pictures
// read back as plain RGBA through ImageMagick.
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import puppeteer from 'puppeteer-core';

export {serveSite} from '../../web/serve.mjs';

// Headless Chromium as root, kept off the network this machine does not have.
export function launchChromium(extraArgs = []) {
  return puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: 'new',
    args: [
      '--no-sandbox',
      '--no-first-run',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
      '--disable-quic',
      '--enable-unsafe-swiftshader',
      ...extraArgs,
    ],
  });
}

export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

export function passCount(page) {
  return page.evaluate(() => Module._torvik_pass_count());
}

// Waits until the page has run `count` passes. The export is there before the
// wasm behind it: until the run has started, no pass is counted.
export async function untilPasses(page, count, timeoutMs = 60000) {
  const deadline = Date.now() + timeoutMs;
  const passes = () => (typeof Module == 'object' && Module.calledRun ? Module._torvik_pass_count() : 0);
  while ((await page.evaluate(passes)) < count) {
    if (Date.now() > deadline) {
      throw new Error(`fewer than ${count} passes after ${timeoutMs / 1000} s`);
    }
    await sleep(20);
  }
}

// Waits until the page has run `count` more passes.
export async function forPasses(page, count, timeoutMs = 60000) {
  await untilPasses(page, (await passCount(page)) + count, timeoutMs);
}

// Installed before the page loads: the page's own clock, the browser's less
// every spell the page spent hidden or frozen, kept by the test apart from
// the game's so that the game's can be checked against it; and a count of
// the animation frames the browser gives.
export function keepPageTime(page) {
  return page.evaluateOnNewDocument(() => {
    let hiddenMs = 0;
    let hiddenSince = null;
    const hide = () => {
      hiddenSince ??= performance.now();
    };
    const show = () => {
      if (hiddenSince !== null) {
        hiddenMs += performance.now() - hiddenSince;
        hiddenSince = null;
      }
    };
    document.addEventListener('visibilitychange', () => (document.hidden ? hide() : show()));
    document.addEventListener('freeze', hide);
    document.addEventListener('resume', show);
    window.torvikPageSeconds = () => ((hiddenSince ?? performance.now()) - hiddenMs) / 1000;
    window.torvikAnimationFrames = 0;
    const count = () => {
      ++window.torvikAnimationFrames;
      requestAnimationFrame(count);
    };
    requestAnimationFrame(count);
  });
}

// The pass count, the pacer's state and the page's clock, read at one moment.
export function pacerReading(page) {
  return page.evaluate(() => ({
    passes: Module._torvik_pass_count(),
    accumulator: Module._torvik_pacer_accumulator(),
    sincePass: Module._torvik_seconds_since_pass(),
    pageSeconds: window.torvikPageSeconds(),
    frames: window.torvikAnimationFrames,
  }));
}

export const passSeconds = 0.01666667;

// How many seconds the passes are ahead of the page's clock at a reading.
// Each millisecond a pass takes short of its 16.66667 adds 1/500 to the
// pacer's accumulator, so half of it is the lead at the last pass; the clock
// has gone on since. Negative: time owed after slow passes, paid back by
// passes that skip their waits.
export const lead = (reading) => reading.accumulator / 2 - reading.sincePass;

// Between two readings: the passes run, and the passes the page's clock made
// due in that time, allowing for the lead at the two ends. A game that keeps
// to 60 a second runs the passes due, to within rounding.
export function passesBetween(start, end) {
  const seconds = end.pageSeconds - start.pageSeconds;
  const passes = end.passes - start.passes;
  return {
    passes,
    duePasses: (seconds + lead(end) - lead(start)) / passSeconds,
    seconds,
    passesPerSecond: passes / seconds,
    framesPerSecond: (end.frames - start.frames) / seconds,
    leadAtStart: lead(start),
    leadAtEnd: lead(end),
  };
}

// Passes over `seconds` from now, with the page's script time per pass.
export async function measurePasses(page, seconds) {
  const before = await page.metrics();
  const start = await pacerReading(page);
  await sleep(seconds * 1000);
  const end = await pacerReading(page);
  const after = await page.metrics();
  const span = passesBetween(start, end);
  return {...span, scriptMsPerPass: ((after.ScriptDuration - before.ScriptDuration) * 1000) / span.passes};
}

// The most the passes can be ahead: the pacer waits as soon as 30 ms have
// piled up, and a pass adds at most 1/30 to its accumulator.
export const mostLead = 1 / 30;

// Why the passes over a span kept no pace, or null: they must be the passes
// due, to within one, and never further ahead than one wait. How far behind
// they are is the machine's doing: the pacer pays back time owed only as fast
// as animation frames come, and a stalled page owes.
export function paceFault(span) {
  if (Math.abs(span.passes - span.duePasses) > 1) {
    return `${span.passes} passes where ${span.duePasses.toFixed(1)} were due`;
  }
  const ahead = Math.max(span.leadAtStart, span.leadAtEnd);
  return ahead > mostLead ? `the passes ran ${ahead.toFixed(3)} s ahead of the page's clock` : null;
}

// A PNG file's pixels, 4 bytes each, row by row.
export function readPicture(file) {
  const [width, height] = execFileSync('identify', ['-format', '%w %h', file], {encoding: 'utf8'})
    .split(' ')
    .map(Number);
  const rgba = execFileSync('convert', [file, '-depth', '8', 'rgba:-'], {maxBuffer: 64 << 20});
  return {width, height, rgba};
}

// The picture sampled at the middle of each of the game's 256 x 192 world
// pixels, whatever size it was shown at.
export function worldPixels(picture) {
  const out = [];
  for (let y = 0; y < 192; ++y) {
    for (let x = 0; x < 256; ++x) {
      const px = Math.floor(((x + 0.5) * picture.width) / 256);
      const py = Math.floor(((y + 0.5) * picture.height) / 192);
      const at = 4 * (px + picture.width * py);
      out.push([picture.rgba[at], picture.rgba[at + 1], picture.rgba[at + 2]]);
    }
  }
  return out;
}

const isCreature = ([r, g, b]) => r > 240 && b < 16 && (Math.abs(g - 131) < 12 || g > 240);
export const isSky = ([r, g, b]) => Math.abs(r - 24) < 8 && Math.abs(g - 131) < 8 && Math.abs(b - 172) < 8;

// The creature's box of world pixels, found by its horns and stripes, grown
// by `margin` on each side.
export function creatureBox(pixels, margin = 0) {
  let box = {left: 256, right: -1, top: 192, bottom: -1};
  pixels.forEach((pixel, i) => {
    if (isCreature(pixel)) {
      const x = i % 256;
      const y = Math.floor(i / 256);
      box = {left: Math.min(box.left, x), right: Math.max(box.right, x), top: Math.min(box.top, y), bottom: Math.max(box.bottom, y)};
    }
  });
  assert.ok(box.right >= 0, 'no creature on the canvas');
  return {left: box.left - margin, right: box.right + margin, top: box.top - margin, bottom: box.bottom + margin};
}

// The first row below the sky in world column x: the view follows a jump up,
// so the ground beside the creature drops down the canvas.
export function groundRow(pixels, x) {
  let y = 0;
  while (y < 192 && isSky(pixels[x + 256 * y])) {
    ++y;
  }
  return y;
}

// Runs one named check and says how long it took.
let checksPassed = 0;
export async function check(name, body) {
  const started = Date.now();
  await body();
  ++checksPassed;
  console.log(`ok: ${name} (${((Date.now() - started) / 1000).toFixed(1)} s)`);
}

export const passedChecks = () => checksPassed;
