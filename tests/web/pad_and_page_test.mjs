// The page's additions played in headless Chromium: a gamepad (faked through
// the browser's Gamepad API, in its standard layout) jumps and runs, and lets
// go when pulled out, and switches the sound and asks for fullscreen; the
// fullscreen button and F key give the game's area the screen with the canvas
// in whole 4:3 steps; on a phone nothing moves as the page loads; the page
// keeps itself and plays again with the network cut.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import {
  check,
  creatureBox,
  groundRow,
  launchChromium,
  passCount,
  passedChecks,
  readPicture,
  serveSite,
  untilPasses,
  worldPixels,
} from './browser.mjs';

const site = path.resolve(process.env.SITE_DIR ?? 'build-web/site');
const out = process.env.WEB_OUT ?? fs.mkdtempSync('/tmp/torvik-pad-');
fs.mkdirSync(out, {recursive: true});

async function shot(page, name) {
  const file = path.join(out, name);
  await (await page.$('canvas')).screenshot({path: file});
  return worldPixels(readPicture(file));
}

// Waits for the game to run `passes` more passes: the game's own time, however
// busy the machine.
async function passesLater(page, passes) {
  await untilPasses(page, (await passCount(page)) + passes, 60000);
}

// A pad in the browser's standard layout, plugged in or pulled out as a player does.
function setPad(page, pad) {
  return page.evaluate((pad) => {
    if (!window.fakePads) {
      window.fakePads = [];
      Object.defineProperty(navigator, 'getGamepads', {value: () => window.fakePads, configurable: true});
    }
    const wasThere = window.fakePads.length > 0;
    if (pad) {
      const buttons = Array.from({length: 17}, (_, i) => ({pressed: pad.buttons.includes(i), touched: false, value: pad.buttons.includes(i) ? 1 : 0}));
      const axes = [pad.stickX ?? 0, 0, 0, 0];
      window.fakePads = [{id: 'Fake pad (STANDARD GAMEPAD)', index: 0, connected: true, mapping: 'standard', timestamp: performance.now(), buttons, axes}];
    } else {
      window.fakePads = [];
    }
    if (Boolean(pad) !== wasThere) {
      window.dispatchEvent(new Event(pad ? 'gamepadconnected' : 'gamepaddisconnected'));
    }
  }, pad);
}

const served = await serveSite(site);
const browser = await launchChromium();
try {
  const page = await browser.newPage();
  // The browser window of the page's own example: 768 x 576 fits, 1024 x 768 does not.
  await page.setViewport({width: 1280, height: 900});
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  page.on('console', (message) => {
    // The one request the test makes to see that the network is cut.
    if (message.type() === 'error' && !(message.location().url ?? '').endsWith('not-kept.txt')) {
      errors.push(message.text());
    }
  });
  await page.goto(served.url);
  await untilPasses(page, 180);

  await check('the canvas and its own pixels at the largest whole step of 256 x 192 that fits', async () => {
    const size = await page.evaluate(() => [canvas.width, canvas.height, canvas.getBoundingClientRect().width]);
    assert.deepEqual(size, [768, 576, 768]);
    creatureBox(await shot(page, 'page.png'));
  });

  await check('a gamepad jumps with button 0 and runs with the stick past the dead zone; pulled out, it lets go', async () => {
    await setPad(page, {buttons: []});
    const rest = await shot(page, 'pad_rest.png');
    const standing = creatureBox(rest).left;
    await setPad(page, {buttons: [0]});
    await passesLater(page, 15);
    const jumped = await shot(page, 'pad_jump.png');
    await setPad(page, {buttons: []});
    for (const x of [standing + 14, standing + 20]) {
      assert.ok(groundRow(jumped, x) > groundRow(rest, x) + 4, `ground on row ${groundRow(jumped, x)} in the jump, ${groundRow(rest, x)} at rest`);
    }
    await passesLater(page, 150);

    // Past the dead zone, it runs.
    const before = creatureBox(await shot(page, 'pad_before_run.png')).left;
    await setPad(page, {buttons: [], stickX: 0.9});
    await passesLater(page, 20);
    const running = creatureBox(await shot(page, 'pad_running.png')).left;
    assert.ok(running > before + 4, `ran from x ${before} to ${running}`);

    // Pulled out while leaning right: it slides to a stop and stays.
    await setPad(page, null);
    await passesLater(page, 90);
    const stopped = creatureBox(await shot(page, 'pad_unplugged.png')).left;
    await passesLater(page, 30);
    assert.equal(creatureBox(await shot(page, 'pad_unplugged_later.png')).left, stopped, 'still running after the pad was pulled out');
  });

  await check('the pad\'s Menu button switches the sound once a press, shown on the speaker; View asks for fullscreen as F does', async () => {
    const sound = () => page.evaluate(() => [Module._torvik_sound_muted(), speaker.getAttribute('aria-pressed')]);
    // The request is counted rather than granted: a browser may refuse a
    // pad's press what it grants a key's.
    await page.evaluate(() => {
      window.fullscreenAsks = 0;
      document.getElementById('game').requestFullscreen = () => {
        window.fullscreenAsks += 1;
        return Promise.reject(new Error('counted only'));
      };
    });
    const press = async (button) => {
      await setPad(page, {buttons: [button]});
      await passesLater(page, 10);
      await setPad(page, {buttons: []});
      await passesLater(page, 2);
    };
    await setPad(page, {buttons: []});
    await passesLater(page, 2);
    assert.deepEqual(await sound(), [0, 'false']);
    await press(9);
    assert.deepEqual(await sound(), [1, 'true']);
    await press(9);
    assert.deepEqual(await sound(), [0, 'false']);
    await press(8);
    assert.equal(await page.evaluate(() => window.fullscreenAsks), 1);
    await page.evaluate(() => delete document.getElementById('game').requestFullscreen);
    await setPad(page, null);
  });

  await check('the fullscreen button and F give the game\'s area the screen, the canvas in whole 4:3 steps', async () => {
    const windowed = await shot(page, 'windowed.png');
    await page.click('#fullscreen-button');
    await page.waitForFunction(() => document.fullscreenElement && document.fullscreenElement.id === 'game', {timeout: 10000});
    await page.waitForFunction(() => {
      const box = canvas.getBoundingClientRect();
      const steps = Math.floor(Math.min(innerWidth / 256, innerHeight / 192));
      return canvas.width === 256 * steps && canvas.height === 192 * steps && box.width === canvas.width;
    }, {timeout: 10000});
    const full = await page.evaluate(() => ({width: canvas.width, height: canvas.height, screen: [innerWidth, innerHeight]}));
    console.log(`  fullscreen ${full.screen.join(' x ')}: canvas ${full.width} x ${full.height}`);
    await passesLater(page, 10);
    // The same world pixels at the new size: the game's view followed the
    // canvas. Only the sprite may round to another screen pixel (its outline
    // reaches past its horns and stripes).
    const shown = await shot(page, 'fullscreen.png');
    const before = creatureBox(windowed, 4);
    const after = creatureBox(shown, 4);
    assert.ok(Math.abs(after.left - before.left) <= 1 && Math.abs(after.top - before.top) <= 1, 'the creature moved');
    const nearCreature = (i) => [before, after].some((box) => i % 256 >= box.left && i % 256 <= box.right &&
      Math.floor(i / 256) >= box.top && Math.floor(i / 256) <= box.bottom);
    const differing = shown.filter((pixel, i) => !nearCreature(i) && pixel.some((c, k) => Math.abs(c - windowed[i][k]) > 8)).length;
    assert.equal(differing, 0, `${differing} world pixels differ from the windowed picture`);

    await page.keyboard.press('f');
    await page.waitForFunction(() => !document.fullscreenElement && canvas.width === 768, {timeout: 10000});
  });

  await check('on a phone, nothing on the page moves while it loads and the game starts', async () => {
    const phone = await browser.newPage();
    await phone.emulate({viewport: {width: 412, height: 823, deviceScaleFactor: 1.75, isMobile: true, hasTouch: true},
      userAgent: 'Mozilla/5.0 (Linux; Android 14) Mobile'});
    await phone.evaluateOnNewDocument(() => {
      window.shifts = [];
      new PerformanceObserver((list) => window.shifts.push(...list.getEntries().map((entry) => entry.value)))
        .observe({type: 'layout-shift', buffered: true});
    });
    await phone.goto(served.url);
    await untilPasses(phone, 60);
    assert.deepEqual(await phone.evaluate(() => window.shifts), []);
    await phone.close();
  });

  await check('the page keeps itself: with the network cut, a reload still plays', async () => {
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null, {timeout: 30000});
    const stores = await page.evaluate(() => caches.keys());
    assert.equal(stores.length, 1, JSON.stringify(stores));
    assert.match(stores[0], /^torvik-[0-9a-f]{16}$/);
    // The page's own requests cut, and the server gone for the worker's.
    await page.setOfflineMode(true);
    served.server.closeAllConnections();
    await new Promise((resolve) => served.server.close(resolve));
    try {
      assert.equal(await page.evaluate(() => fetch('not-kept.txt').then(() => 'fetched', () => 'offline')), 'offline');
      await page.reload();
      await untilPasses(page, 120, 60000);
      creatureBox(await shot(page, 'offline.png'));
    } finally {
      await page.setOfflineMode(false);
    }
  });
  assert.deepEqual(errors, []);
} finally {
  await browser.close();
  served.server.closeAllConnections();
  served.server.close();
}
console.log(`${passedChecks()} checks passed; pictures in ${out}`);
