// The web build played in headless Chromium as a player plays it: it starts
// with nothing in the console but its own lines, shows the native game's
// picture, runs, jumps, answers its touch buttons, keeps 60 passes a second
// however fast the browser's frames come, and lives through what a phone
// does to a page: its WebGL taken away and given back (or not), the screen
// turned, minutes hidden, a trip back through the browser's history.
// Waits are for passes, and the pace is judged against the page's own clock.
import assert from 'node:assert/strict';
import {execFileSync, spawn} from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import {
  browserOwnNotice,
  check,
  creatureBox,
  evennessFault,
  forPasses,
  groundRow,
  keepPageTime,
  launchChromium,
  letTimeSkip,
  measurePasses,
  paceFault,
  pacerReading,
  passCount,
  passedChecks,
  passEvenness,
  passesBetween,
  readPicture,
  serveSite,
  sleep,
  untilPasses,
  worldPixels,
} from './browser.mjs';

const site = path.resolve(process.env.SITE_DIR ?? 'build-web/site');
const nativeGame = process.env.TORVIK_BIN;
const sendClose = process.env.SEND_CLOSE;
const passGate = process.env.PASS_GATE_LIB;
const out = process.env.WEB_OUT ?? fs.mkdtempSync('/tmp/torvik-web-');
fs.mkdirSync(out, {recursive: true});

const startupLines = [
  /^GLFW Version: \d+\.\d+\.\d+$/,
  /^Setting up OpenGL$/,
  /^Texture generated \(size: 128x128, id: \d+\)$/,
  /^Texture generated \(size: 128x128, id: \d+\)$/,
];
// Long enough for the creature to drop onto the grass and stand.
const landedPasses = 180;

// A page of the game, its console kept; errors and warnings in it fail the test.
async function openGame(browser, viewport) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  const consoleLines = [];
  const errors = [];
  page.on('console', (message) => {
    if (browserOwnNotice(message.text())) {
      return;
    }
    consoleLines.push(message.text());
    if (message.type() === 'error' || message.type() === 'warn') {
      errors.push(message.text());
    }
  });
  page.on('pageerror', (error) => errors.push(error.message));
  await letTimeSkip(page);
  await keepPageTime(page);
  await page.goto(served.url);
  return {page, consoleLines, errors};
}

async function canvasPicture(page, name) {
  const file = path.join(out, name);
  await (await page.$('canvas')).screenshot({path: file});
  return readPicture(file);
}

// The native game under the current X display, captured once it has landed:
// held by the pass gate after the pass the page is captured after.
function nativePicture() {
  assert.ok(nativeGame && sendClose && passGate && process.env.DISPLAY, 'the native game and a display are needed');
  const gate = fs.mkdtempSync(path.join(out, 'gate-'));
  execFileSync('mkfifo', [path.join(gate, 'go'), path.join(gate, 'held')]);
  // Opened both ways, so that the game's open of it never waits.
  const held = fs.openSync(path.join(gate, 'held'), 'r+');
  const game = spawn(nativeGame, [], {
    stdio: 'ignore',
    env: {...process.env, LD_PRELOAD: passGate, PASS_GATE: gate, PASS_GATE_HOLD: String(landedPasses)},
  });
  try {
    const window = execFileSync('timeout', ['60', 'xdotool', 'search', '--sync', '--all', '--onlyvisible', '--pid', String(game.pid), '--name', '^Torvik$'], {encoding: 'utf8'})
      .split('\n')[0];
    // Waits, as the gate's line comes only once the game is held.
    const line = Buffer.alloc(32);
    const length = fs.readSync(held, line);
    assert.equal(line.toString('utf8', 0, length).trim(), String(landedPasses), 'the native game held elsewhere');
    const file = path.join(out, 'native.png');
    execFileSync('import', ['-window', window, file]);
    fs.writeFileSync(path.join(gate, 'go'), '0\n');
    fs.closeSync(held);
    execFileSync(sendClose, [window]);
    return readPicture(file);
  } finally {
    setTimeout(() => game.kill(), 5000).unref();
  }
}

function differingWorldPixels(a, b) {
  const left = worldPixels(a);
  const right = worldPixels(b);
  let differing = 0;
  left.forEach((pixel, i) => {
    if (pixel.some((channel, c) => Math.abs(channel - right[i][c]) > 8)) {
      ++differing;
    }
  });
  return differing;
}

function assertKeptPace(span, where = '') {
  const fault = paceFault(span);
  assert.equal(fault, null, `${fault}${where}`);
}

// The passes of a span measured, said and judged: the pace over the span,
// and how evenly they fell on its animation frames.
function assertEvenPace({frames, ...span}) {
  const evenness = passEvenness(frames);
  console.log(`  ${JSON.stringify(span)}`);
  console.log(`  ${JSON.stringify(evenness)}`);
  assertKeptPace(span);
  const fault = evennessFault(evenness);
  assert.equal(fault, null, fault);
  return evenness;
}

const served = await serveSite(site);
const native = nativePicture();
let browser = await launchChromium();
try {
  // Room for the native window's size and no more, so that the canvas's own
  // pixels are the native window's: the sprite's frames are drawn a texel
  // narrower and shorter than they are, and which texel gives way depends on
  // the scale.
  const {page, consoleLines, errors} = await openGame(browser, {width: 900, height: 640});

  await check('starts with its start-up lines in the console and nothing else', async () => {
    await untilPasses(page, landedPasses);
    assert.equal(consoleLines.length, startupLines.length, `the console: ${JSON.stringify(consoleLines)}`);
    consoleLines.forEach((line, i) => assert.match(line, startupLines[i]));
    assert.deepEqual(errors, []);
    assert.equal(await page.title(), 'Torvik');
  });

  await check('shows the native picture world pixel for world pixel, scaled crisply', async () => {
    const web = await canvasPicture(page, 'web_at_rest.png');
    assert.equal(web.width, 512, 'canvas not at the native size in a 900 x 640 window');
    assert.equal(web.height, 384);
    assert.equal(differingWorldPixels(web, native), 0, 'the web picture differs from the native one');
  });

  await check('holding X jumps; holding ArrowRight runs right; no key scrolls the page', async () => {
    // The view follows the creature up and down, so a jump shows as the
    // ground beside it dropping down the canvas.
    const rest = worldPixels(await canvasPicture(page, 'web_rest.png'));
    await page.keyboard.down('x');
    await forPasses(page, 15);
    const jumped = worldPixels(await canvasPicture(page, 'web_jump.png'));
    await page.keyboard.up('x');
    for (const x of [30, 36, 42]) {
      assert.ok(groundRow(jumped, x) > groundRow(rest, x) + 4,
        `ground beside it on row ${groundRow(jumped, x)} during the jump, ${groundRow(rest, x)} at rest`);
    }
    await forPasses(page, 90);

    // Near the map's left edge the view stays put and the creature crosses it.
    const before = creatureBox(worldPixels(await canvasPicture(page, 'web_before_run.png')));
    await page.keyboard.down('ArrowRight');
    await forPasses(page, 24);
    await page.keyboard.up('ArrowRight');
    const ran = creatureBox(worldPixels(await canvasPicture(page, 'web_ran.png')));
    assert.ok(ran.left > before.left + 4, `ran from x ${before.left} to ${ran.left}`);
    assert.equal(await page.evaluate(() => window.scrollY + window.scrollX), 0);
  });

  await check('60 passes a second at the browser\'s own frame rate, one on every frame', async () => {
    const span = await measurePasses(page, 5);
    const evenness = assertEvenPace(span);
    // Every frame a frame period after the one before it runs a pass. One the
    // browser bunches up behind a late one, on a busy machine, may come before
    // its pass's turn, as no display's refresh would.
    const skipped = span.frames.filter(([time, passes], i) =>
      i > 0 && passes === 0 && time - span.frames[i - 1][0] >= evenness.frameMs - 2);
    assert.deepEqual(skipped, [], 'frames a whole frame period after the one before them, without a pass');
  });

  await check('at rest the picture is not drawn again, and stays', async () => {
    const rest = await canvasPicture(page, 'web_at_rest_again.png');
    await page.evaluate(() => {
      window.torvikClears = 0;
      const clear = WebGLRenderingContext.prototype.clear;
      WebGLRenderingContext.prototype.clear = function (mask) {
        ++window.torvikClears;
        return clear.call(this, mask);
      };
    });
    await forPasses(page, 60);
    assert.equal(await page.evaluate(() => window.torvikClears), 0, 'the canvas drawn again at rest');
    assert.equal(differingWorldPixels(await canvasPicture(page, 'web_still.png'), rest), 0);
  });

  await check('a lost WebGL context holds the run; given back, the same picture within a second, the run where it was', async () => {
    // Away from the start, at rest: a run begun afresh would show otherwise.
    const before = await canvasPicture(page, 'before_loss.png');
    await page.evaluate(() => {
      window.torvikLoss = {};
      const loss = window.torvikLoss;
      canvas.addEventListener('webglcontextlost', () => {
        loss.passes = Module._torvik_pass_count();
        loss.frames = window.torvikAnimationFrames;
      });
      canvas.addEventListener('webglcontextrestored', () => (loss.restoredAt = performance.now()));
      // A lost context hands out no extension: kept for giving it back.
      loss.extension = canvas.getContext('webgl').getExtension('WEBGL_lose_context');
      loss.extension.loseContext();
    });
    await page.waitForFunction(() => window.torvikLoss.passes !== undefined, {timeout: 10000});
    // The page is shown and its animation frames go on; the passes do not.
    await page.waitForFunction(() => window.torvikAnimationFrames >= window.torvikLoss.frames + 60, {timeout: 30000});
    const loss = await page.evaluate(() => ({passes: window.torvikLoss.passes}));
    assert.equal(await passCount(page), loss.passes, 'passes ran while the context was lost');

    await page.evaluate(() => window.torvikLoss.extension.restoreContext());
    await untilPasses(page, loss.passes + 5);
    const back = await page.evaluate(() => {
      const {restoredAt} = window.torvikLoss;
      const first = window.torvikFrames(0).find(([time, passes]) => passes > 0 && time >= restoredAt);
      return first ? first[0] - restoredAt : null;
    });
    assert.ok(back !== null && back < 1000, `the first pass came ${back} ms after the context`);
    const after = await canvasPicture(page, 'after_loss.png');
    assert.equal(differingWorldPixels(after, before), 0, 'another picture after the context came back');
  });
  assert.deepEqual(errors, []);

  await check('a context that never comes back is said in the canvas\'s place, and its reload button plays again', async () => {
    await page.evaluate(() => canvas.getContext('webgl').getExtension('WEBGL_lose_context').loseContext());
    await page.waitForSelector('#context-lost:not([hidden])', {timeout: 10000});
    assert.ok(!(await (await page.$('canvas')).isVisible()), 'the lost canvas is still shown');
    assert.match(await page.$eval('#context-lost', (p) => p.textContent), /not come back/);
    await Promise.all([page.waitForNavigation(), page.click('#reload')]);
    await untilPasses(page, 60);
    assert.ok(await (await page.$('canvas')).isVisible());
  });
  assert.deepEqual(errors, []);
  await page.close();

  await check('a tap on the on-screen right button moves it', async () => {
    const touch = await openGame(browser, {width: 800, height: 900, hasTouch: true, isMobile: true});
    await untilPasses(touch.page, landedPasses);
    const button = await touch.page.$('#touch-buttons button[data-key="39"]');
    assert.ok(await button.isVisible(), 'no touch buttons on a touch screen');
    const before = creatureBox(worldPixels(await canvasPicture(touch.page, 'touch_before.png')));
    await button.tap();
    await forPasses(touch.page, 60);
    const after = creatureBox(worldPixels(await canvasPicture(touch.page, 'touch_after.png')));
    assert.ok(after.left > before.left, `tap moved it from x ${before.left} to ${after.left}`);

    // A phone turned to landscape and back: the canvas refits in whole steps
    // of the world's 256 x 192 in the screen's own pixels, inside the screen.
    const portrait = {width: 412, height: 915, deviceScaleFactor: 2, isMobile: true, hasTouch: true};
    const sizes = [];
    for (const viewport of [portrait, {...portrait, width: 915, height: 412, isLandscape: true}, portrait]) {
      await touch.page.setViewport(viewport);
      await forPasses(touch.page, 10);
      sizes.push(await touch.page.evaluate(() => {
        const box = canvas.getBoundingClientRect();
        return {width: canvas.width, height: canvas.height, shown: box.width * devicePixelRatio,
          inside: box.left >= 0 && box.right <= innerWidth && box.height <= innerHeight};
      }));
    }
    for (const size of sizes) {
      const steps = size.width / 256;
      assert.ok(Number.isInteger(steps) && steps >= 1 && size.height === 192 * steps && size.shown === size.width,
        `canvas ${JSON.stringify(size)}`);
      assert.ok(size.inside, `canvas ${JSON.stringify(size)} beyond the screen`);
    }
    assert.ok(sizes[1].width < sizes[0].width, `landscape ${sizes[1].width}, portrait ${sizes[0].width}`);
    assert.deepEqual(sizes[2], sizes[0]);
    creatureBox(worldPixels(await canvasPicture(touch.page, 'turned.png')));
    assert.deepEqual(touch.errors, []);
    await touch.page.close();
  });
} finally {
  await browser.close();
}

browser = await launchChromium(['--disable-frame-rate-limit', '--disable-gpu-vsync']);
try {
  await check('60 passes a second, evenly on the frames, when they come as fast as they can; also after ten minutes hidden', async () => {
    // The canvas at the native window's size: the game's pacing is judged,
    // not the software renderer's speed at four times the pixels.
    const {page, errors} = await openGame(browser, {width: 900, height: 640});
    // From the start, while the pacer still pays back the slow first passes:
    // they are part of the reckoning, not a fault.
    await untilPasses(page, 60);
    // How fast the frames come depends on the machine: said, not judged. A
    // pass runs on the first frame at or after its turn, whatever they are.
    assertEvenPace(await measurePasses(page, 5));

    // Hidden behind another tab, the game stands still, and afterwards it
    // does not race to make up for the time: the hidden spell lies inside
    // the span, and the page's clock, which stood still meanwhile, is the
    // one the passes must keep up with.
    const beforeHiding = await pacerReading(page);
    const other = await browser.newPage();
    await other.bringToFront();
    const hiddenAt = await passCount(page);
    // Ten minutes on the page's clocks, a few seconds on the test's.
    await page.evaluate(() => (window.torvikSkippedMs += 600000));
    await sleep(3000);
    assert.equal(await passCount(page), hiddenAt, 'passes ran while the page was hidden');
    await page.bringToFront();
    await other.close();
    const shown = await measurePasses(page, 5);
    const after = passesBetween(beforeHiding, await pacerReading(page));
    console.log(`  over ten minutes hidden and 5 s back: ${JSON.stringify(after)}`);
    assertKeptPace(after, ' around the hidden spell');
    // No rush of passes to make up for the time.
    assertEvenPace(shown);

    // Away and back through the browser's history: restored as it was left,
    // from the back-forward cache, it plays on.
    await page.evaluate(() => (window.torvikLeft = true));
    const left = await passCount(page);
    await page.goto('about:blank');
    await page.goBack();
    assert.equal(await page.evaluate(() => window.torvikLeft), true, 'the page was loaded afresh, not restored');
    assert.ok((await passCount(page)) >= left);
    await forPasses(page, 60);
    assertKeptPace(passesBetween(beforeHiding, await pacerReading(page)), ' around the trip through history');
    assert.deepEqual(errors, []);
  });
} finally {
  await browser.close();
}

browser = await launchChromium(['--disable-3d-apis']);
try {
  await check('without WebGL the page says so in words, after the failed-window lines', async () => {
    const {page, consoleLines, errors} = await openGame(browser, {width: 1280, height: 1000});
    await page.waitForSelector('#no-webgl:not([hidden])', {timeout: 10000});
    await sleep(500);
    assert.ok(consoleLines.includes('GLFW window creation failed'), JSON.stringify(consoleLines));
    assert.equal(await page.evaluate(() => Module._torvik_pass_count()), 1);
    assert.ok(!(await (await page.$('canvas')).isVisible()), 'a black canvas is still shown');
    assert.deepEqual(errors, []);
  });
} finally {
  await browser.close();
  served.server.close();
}
console.log(`${passedChecks()} checks passed; pictures in ${out}`);
