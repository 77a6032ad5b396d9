// What the browser test and the web figures share: the site served on the
// loopback, Debian's Chromium driven through puppeteer-core, and pictures
// read back as plain RGBA through ImageMagick.
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
export async function untilPasses(page, count, timeoutMs = 20000) {
  const deadline = Date.now() + timeoutMs;
  const passes = () => (typeof Module == 'object' && Module.calledRun ? Module._torvik_pass_count() : 0);
  while ((await page.evaluate(passes)) < count) {
    if (Date.now() > deadline) {
      throw new Error(`fewer than ${count} passes after ${timeoutMs / 1000} s`);
    }
    await sleep(100);
  }
}

// Passes the page runs a second, and the page's script time per pass, over
// `seconds`; also the animation frames the browser gave in that time.
export async function measurePasses(page, seconds) {
  await page.evaluate(() => {
    window.animationFrames = 0;
    const count = () => {
      ++window.animationFrames;
      requestAnimationFrame(count);
    };
    requestAnimationFrame(count);
  });
  const before = await page.metrics();
  const passesBefore = await passCount(page);
  const started = await page.evaluate(() => [performance.now(), window.animationFrames]);
  await sleep(seconds * 1000);
  const ended = await page.evaluate(() => [performance.now(), window.animationFrames]);
  const passes = (await passCount(page)) - passesBefore;
  const after = await page.metrics();
  const elapsed = (ended[0] - started[0]) / 1000;
  return {
    passesPerSecond: passes / elapsed,
    framesPerSecond: (ended[1] - started[1]) / elapsed,
    scriptMsPerPass: ((after.ScriptDuration - before.ScriptDuration) * 1000) / passes,
  };
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
