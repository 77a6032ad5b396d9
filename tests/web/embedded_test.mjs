// The page as a game portal shows it: in a frame of another site's page (a
// host on another port), below that page's header, on a page taller than the
// window (at first only the canvas's top in it). Loading, it leaves the host
// where its reader is; a click into it gives the game the keys, which then
// play without scrolling the host; the sound starts and the fullscreen button
// fills the screen, as the frame allows; a frame that withholds gamepads does
// not stop it. On its own, the page still takes the keys at once.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {check, creatureBox, launchChromium, passedChecks, readPicture, serveSite, untilPasses, worldPixels} from './browser.mjs';

const site = path.resolve(process.env.SITE_DIR ?? 'build-web/site');
const out = process.env.WEB_OUT ?? fs.mkdtempSync(path.join(os.tmpdir(), 'torvik-embedded-'));
fs.mkdirSync(out, {recursive: true});

const game = await serveSite(site);
const hostDir = fs.mkdtempSync(path.join(os.tmpdir(), 'torvik-host-'));
fs.writeFileSync(path.join(hostDir, 'index.html'), `<!doctype html>
<html lang="en"><head><meta charset="utf-8"><title>A portal</title></head>
<body style="margin: 0">
  <header style="height: 300px">A portal's header</header>
  <iframe id="frame" src="${game.url}" width="800" height="500" allow="fullscreen; gamepad 'none'"
          style="display: block; border: 0"></iframe>
  <p style="height: 2000px">What the portal's reader is reading.</p>
</body></html>`);
const host = await serveSite(hostDir);

const browser = await launchChromium();
try {
  const page = await browser.newPage();
  // At first the window shows only the top of the game's canvas, as a
  // browser would that scrolls it into view when it takes the focus.
  await page.setViewport({width: 1000, height: 500});
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(host.url);
  const frame = await (await page.$('#frame')).contentFrame();
  assert.notEqual(new URL(frame.url()).origin, new URL(host.url).origin);
  const hostScroll = () => page.evaluate(() => [window.scrollX, window.scrollY]);
  // Where a box of the frame's is in the host's window.
  const inHost = (box) => ({x: box.x, y: box.y + 300, width: box.width, height: box.height});
  const boxOf = (selector) => frame.$eval(selector, (element) => {
    const {x, y, width, height} = element.getBoundingClientRect();
    return {x, y, width, height};
  });
  // The canvas as the host's window shows it, never scrolled to.
  async function shot(name) {
    const file = path.join(out, name);
    await page.screenshot({path: file, clip: inHost(await boxOf('canvas')), captureBeyondViewport: false});
    return worldPixels(readPicture(file));
  }
  const passes = () => frame.evaluate(() => Module._torvik_pass_count());

  await check('loading in the frame, it takes no focus and leaves the host page where it was', async () => {
    await untilPasses(frame, 120);
    assert.deepEqual(await hostScroll(), [0, 0]);
    assert.equal(await page.evaluate(() => document.activeElement.tagName), 'BODY');
    assert.equal(await frame.evaluate(() => document.hasFocus()), false);
    await page.setViewport({width: 1000, height: 700});
  });

  await check('a click into it gives the game the keys; they play and never scroll the host', async () => {
    const canvas = inHost(await boxOf('canvas'));
    await page.mouse.click(canvas.x + canvas.width / 2, canvas.y + canvas.height / 2);
    assert.equal(await frame.evaluate(() => document.activeElement.id), 'canvas');
    const before = creatureBox(await shot('embedded_before.png')).left;
    await page.keyboard.down('ArrowRight');
    await untilPasses(frame, (await passes()) + 24);
    await page.keyboard.up('ArrowRight');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('x');
    assert.ok(creatureBox(await shot('embedded_ran.png')).left > before + 4, 'the creature did not run');
    assert.deepEqual(await hostScroll(), [0, 0]);
    // The first key started the sound.
    assert.equal(await frame.evaluate(() => Module.sound.context.state), 'running');
  });

  await check('a click beside the canvas gives the keys back to the game', async () => {
    await page.mouse.click(20, 100);
    assert.equal(await frame.evaluate(() => document.hasFocus()), false);
    const controls = inHost(await boxOf('.controls'));
    await page.mouse.click(controls.x + 2, controls.y + 2);
    assert.equal(await frame.evaluate(() => document.activeElement.id), 'canvas');
    assert.deepEqual(await hostScroll(), [0, 0]);
  });

  await check('the fullscreen button fills the screen from the frame that allows it', async () => {
    // The whole frame in the window, the button below the canvas with it.
    await page.setViewport({width: 1000, height: 900});
    const button = inHost(await boxOf('#fullscreen-button'));
    await page.mouse.click(button.x + button.width / 2, button.y + button.height / 2);
    await frame.waitForFunction(() => document.fullscreenElement && document.fullscreenElement.id === 'game',
      {timeout: 10000});
    await frame.evaluate(() => document.exitFullscreen());
    await frame.waitForFunction(() => !document.fullscreenElement, {timeout: 10000});
  });

  await check('on its own, the page takes the keys at once', async () => {
    const alone = await browser.newPage();
    await alone.goto(game.url);
    await untilPasses(alone, 10);
    assert.equal(await alone.evaluate(() => document.activeElement.id), 'canvas');
    await alone.close();
  });
  assert.deepEqual(errors, []);
} finally {
  await browser.close();
  for (const served of [game, host]) {
    served.server.closeAllConnections();
    served.server.close();
  }
  fs.rmSync(hostDir, {recursive: true, force: true});
}
console.log(`${passedChecks()} checks passed; pictures in ${out}`);
