// The page's sound heard in headless Chromium through an analyser tapped onto
// whatever the page connects to its speakers: nothing made before the first
// key, which starts the sound and is itself heard; silence while standing;
// nothing after M; the speaker button too; and after the system suspended
// the sound, the next key brings it back.
import assert from 'node:assert/strict';
import path from 'node:path';
import {browserOwnNotice, launchChromium, serveSite, untilPasses} from './browser.mjs';

const site = path.resolve(process.env.SITE_DIR ?? 'build-web/site');
const quiet = 0.00316;  // -50 dBFS
const landedPasses = 180;

// Installed before the page loads: every node connected to an audio
// context's speakers is heard by an analyser too, which keeps the loudest
// sample since the last call of loudest().
function tapSpeakers() {
  window.heardPeak = 0;
  const connect = AudioNode.prototype.connect;
  AudioNode.prototype.connect = function (target, ...rest) {
    if (target instanceof AudioDestinationNode) {
      const analyser = this.context.createAnalyser();
      analyser.fftSize = 2048;
      connect.call(this, analyser);
      const samples = new Float32Array(analyser.fftSize);
      setInterval(() => {
        analyser.getFloatTimeDomainData(samples);
        for (const v of samples) {
          window.heardPeak = Math.max(window.heardPeak, Math.abs(v));
        }
      }, 10);
    }
    return connect.call(this, target, ...rest);
  };
}

const served = await serveSite(site);
const browser = await launchChromium();
try {
  const page = await browser.newPage();
  const errors = [];
  page.on('console', (m) => (m.type() === 'error' || m.type() === 'warn') && !browserOwnNotice(m.text()) &&
    errors.push(m.text()));
  page.on('pageerror', (e) => errors.push(e.message));
  await page.evaluateOnNewDocument(tapSpeakers);
  await page.goto(served.url);
  await untilPasses(page, landedPasses);
  assert.equal(await page.evaluate(() => Module.sound.context), null, 'sound made before any key');

  const passes = () => page.evaluate(() => Module._torvik_pass_count());
  const loudest = () => page.evaluate(() => { const p = window.heardPeak; window.heardPeak = 0; return p; });
  const state = () => page.evaluate(() => Module.sound.context.state);
  // Holds X for `count` passes: the peak heard meanwhile and a while after.
  async function jump(count = 20) {
    await loudest();
    await page.keyboard.down('x');
    await untilPasses(page, (await passes()) + count);
    await page.keyboard.up('x');
    await untilPasses(page, (await passes()) + 100);  // down again, standing, the sounds over
    return loudest();
  }

  // The first key starts the sound and makes its own.
  const first = await jump();
  assert.equal(await state(), 'running');
  assert.ok(first > 0.1 && first <= 0.5, `the first jump peaked at ${first}`);

  await loudest();
  await untilPasses(page, (await passes()) + 60);
  const standing = await loudest();
  assert.ok(standing < quiet, `standing still, heard ${standing}`);

  await page.keyboard.press('m');
  const muted = await jump();
  assert.ok(muted < quiet, `muted, heard ${muted}`);
  assert.equal(await page.$eval('#speaker', (b) => b.getAttribute('aria-pressed')), 'true');

  await page.click('#speaker');
  const unmuted = await jump();
  assert.ok(unmuted > 0.1, `after the speaker button, the jump peaked at ${unmuted}`);

  // A phone suspends a page's sound when another app takes the speaker.
  await page.evaluate(() => Module.sound.context.suspend());
  assert.equal(await state(), 'suspended');
  const resumed = await jump();
  assert.equal(await state(), 'running');
  assert.ok(resumed > 0.1, `after the system suspended the sound, the jump peaked at ${resumed}`);
  assert.deepEqual(errors, []);
  console.log(`ok: first jump ${first.toFixed(3)}, standing ${standing}, muted ${muted}, unmuted ${unmuted.toFixed(3)}, ` +
    `resumed ${resumed.toFixed(3)}`);
} finally {
  await browser.close();
  served.server.close();
}
