// The page's sound heard in headless Chromium through an analyser tapped onto
// the game's audio output: suspended until the first key, which is itself
// heard; silence while standing; nothing after M; the speaker button too.
import assert from 'node:assert/strict';
import path from 'node:path';
import {launchChromium, serveSite, untilPasses} from './browser.mjs';

const site = path.resolve(process.env.SITE_DIR ?? 'build-web/site');
const quiet = 0.00316;  // -50 dBFS
const landedPasses = 180;

// Taps the sound library's output and keeps the loudest sample heard since
// the last call of loudest().
function tapOutput() {
  const device = window.miniaudio.devices.find((d) => d && d.webaudio);
  const analyser = device.webaudio.createAnalyser();
  analyser.fftSize = 2048;
  device.scriptNode.connect(analyser);
  const samples = new Float32Array(analyser.fftSize);
  window.heardPeak = 0;
  setInterval(() => {
    analyser.getFloatTimeDomainData(samples);
    for (const v of samples) {
      window.heardPeak = Math.max(window.heardPeak, Math.abs(v));
    }
  }, 10);
  return device.webaudio.suspend().then(() => device.webaudio.state);
}

const served = await serveSite(site);
// Headless Chromium lets a page play without a gesture whatever it is told;
// the test suspends the page's audio itself, as a browser on a desktop does.
const browser = await launchChromium(['--autoplay-policy=no-user-gesture-required']);
try {
  const page = await browser.newPage();
  const errors = [];
  page.on('console', (m) => m.type() === 'error' && errors.push(m.text()));
  page.on('pageerror', (e) => errors.push(e.message));
  await page.goto(served.url);
  await untilPasses(page, landedPasses);
  await page.waitForFunction(() => window.miniaudio && window.miniaudio.devices.some((d) => d && d.webaudio));
  assert.equal(await page.evaluate(tapOutput), 'suspended');

  const passes = () => page.evaluate(() => Module._torvik_pass_count());
  const loudest = () => page.evaluate(() => { const p = window.heardPeak; window.heardPeak = 0; return p; });
  // Holds X for `count` passes: the peak heard meanwhile and a while after.
  async function jump(count = 20) {
    await loudest();
    await page.keyboard.down('x');
    await untilPasses(page, (await passes()) + count);
    await page.keyboard.up('x');
    await untilPasses(page, (await passes()) + 100);  // down again, standing, the sounds over
    return loudest();
  }

  // The first key lets the audio start and makes its own sound.
  const first = await jump();
  assert.equal(await page.evaluate(() => window.miniaudio.devices.find((d) => d).webaudio.state), 'running');
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
  assert.deepEqual(errors, []);
  console.log(`ok: first jump ${first.toFixed(3)}, standing ${standing}, muted ${muted}, unmuted ${unmuted.toFixed(3)}`);
} finally {
  await browser.close();
  served.server.close();
}
