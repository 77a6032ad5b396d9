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

// What the headless browser's GPU process says in a WebGL page's console
// about its own work: its software compositor reads every WebGL canvas back
// to show it, and the GL under it calls that a stall, four times. The page
// reads nothing back; a browser with a GPU to composite on says nothing.
export function browserOwnNotice(text) {
  return /^\[\.WebGL-0x[0-9a-f]+\]GL Driver Message \(OpenGL, Performance, GL_CLOSE_PATH_NV, High\): GPU stall due to ReadPixels/
    .test(text);
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

// Installed before the page loads, and before keepPageTime: the page's
// clocks (performance.now, the animation frames' times) move on by
// window.torvikSkippedMs more than the browser's, which a test raises to have
// the page live through minutes without waiting for them.
export function letTimeSkip(page) {
  return page.evaluateOnNewDocument(() => {
    window.torvikSkippedMs = 0;
    const now = performance.now.bind(performance);
    performance.now = () => now() + window.torvikSkippedMs;
    const timeline = Object.getOwnPropertyDescriptor(AnimationTimeline.prototype, 'currentTime');
    Object.defineProperty(document.timeline, 'currentTime', {
      get() {
        const time = timeline.get.call(this);
        return time === null ? null : time + window.torvikSkippedMs;
      },
    });
    const frame = window.requestAnimationFrame.bind(window);
    window.requestAnimationFrame = (callback) => frame((time) => callback(time + window.torvikSkippedMs));
  });
}

// Installed before the page loads: the page's own clock, the browser's less
// every spell the page spent hidden or frozen, kept by the test apart from
// the game's so that the game's can be checked against it; and every
// animation frame the browser gives, with its time (the frame's own, as the
// game reads it) and the passes it ran, read back through torvikFrames. The
// page draws only a picture that changed, so the passes are the game's count:
// this frame callback, asked for first, runs before the game's in every frame.
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
    window.torvikFrameLog = [];
    let settled = 0;
    // The passes run since the last frame's were counted are that frame's.
    const settle = () => {
      const log = window.torvikFrameLog;
      const passes = typeof Module == 'object' && Module.calledRun ? Module._torvik_pass_count() : 0;
      if (log.length > 0) {
        log[log.length - 1][1] += passes - settled;
      }
      settled = passes;
    };
    const count = (time) => {
      settle();
      ++window.torvikAnimationFrames;
      window.torvikFrameLog.push([time, 0]);
      requestAnimationFrame(count);
    };
    requestAnimationFrame(count);
    window.torvikFrames = (from, to) => {
      settle();
      return window.torvikFrameLog.slice(from, to);
    };
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

// Passes over `seconds` from now, with the page's script time per pass and
// the animation frames of the span, each as [its time in ms, the passes it ran].
export async function measurePasses(page, seconds) {
  const before = await page.metrics();
  const start = await pacerReading(page);
  await sleep(seconds * 1000);
  const end = await pacerReading(page);
  const after = await page.metrics();
  const span = passesBetween(start, end);
  const frames = await page.evaluate((from, to) => window.torvikFrames(from, to), start.frames, end.frames);
  return {...span, scriptMsPerPass: ((after.ScriptDuration - before.ScriptDuration) * 1000) / span.passes, frames};
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

// How the passes fell on the animation frames of a span. A page's frames
// stand in for a 60 Hz display's swaps: a pass runs on the first frame at or
// after its turn, one pass length after the last turn (a frame up to 2 ms
// early will do), so
// - held: frames that began a pass length or more after the last pass's
//   frame and ran none (the motion standing still);
// - ahead: passes that ran before their turn could have come, more passes
//   over a stretch of frames than there were turns in it (a run of passes,
//   which a hold must then pay for);
// and the figures a player sees: the longest run of frames without a pass,
// the longest gap between passes in milliseconds and in frame periods (the
// frames' median interval), and the share of gaps under 12 ms.
export function passEvenness(frames) {
  const passMs = passSeconds * 1000;
  // The frames' times as the game reads them, to a few microseconds.
  const leeway = 0.5;
  const early = 2;
  const passTimes = frames.filter(([, passes]) => passes > 0).map(([time]) => time);
  let held = 0;
  let run = 0;
  let longestRun = 0;
  let last = null;
  for (const [time, passes] of frames) {
    if (passes > 0) {
      last = time;
      run = 0;
      continue;
    }
    longestRun = Math.max(longestRun, ++run);
    if (last !== null && time - last >= passMs + leeway) {
      ++held;
    }
  }
  let ahead = 0;
  for (let j = 2; j < passTimes.length; ++j) {
    for (let i = 0; i < j - 1; ++i) {
      if (passTimes[j] - passTimes[i] < (j - i - 1) * passMs - early - leeway) {
        ++ahead;
        break;
      }
    }
  }
  const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)] ?? 0;
  const frameMs = median(frames.slice(1).map(([time], i) => time - frames[i][0]));
  const gaps = passTimes.slice(1).map((time, i) => time - passTimes[i]);
  const longestGapMs = Math.max(0, ...gaps);
  return {
    frames: frames.length,
    passes: passTimes.length,
    framesWithMoreThanOnePass: frames.filter(([, passes]) => passes > 1).length,
    held,
    ahead,
    longestRun,
    frameMs,
    longestGapMs,
    longestGapInFrames: frameMs > 0 ? longestGapMs / frameMs : 0,
    gapsUnder12Ms: gaps.length > 0 ? gaps.filter((gap) => gap < 12).length / gaps.length : 0,
  };
}

// Why the passes of a span fell unevenly on its frames, or null.
export function evennessFault(evenness) {
  if (evenness.held > 0 || evenness.ahead > 0 || evenness.framesWithMoreThanOnePass > 0) {
    return `${evenness.held} frames held a pass length or more without one, ${evenness.ahead} passes ` +
      `ahead of their turn, ${evenness.framesWithMoreThanOnePass} frames with more than one`;
  }
  return null;
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
