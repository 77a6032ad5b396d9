// The web build's figures in headless Chromium: passes a second and the
// page's script time per pass, at the browser's own frame rate and with its
// animation frames unthrottled; beside the rate, the passes the page's clock
// made due over the span, allowing for what the pacer owed or held at its
// ends; and how evenly the passes fell on the animation frames.
//   node bench/web_figures.mjs SITE_DIRECTORY [SECONDS]
import {
  keepPageTime,
  launchChromium,
  measurePasses,
  passCount,
  passEvenness,
  serveSite,
  untilPasses,
} from '../tests/web/browser.mjs';

const site = process.argv[2] ?? 'build-web/site';
const seconds = Number(process.argv[3] ?? 10);
const served = await serveSite(site);

for (const [name, args] of [
  ['browser frame rate', []],
  ['unthrottled frames', ['--disable-frame-rate-limit', '--disable-gpu-vsync']],
]) {
  const browser = await launchChromium(args);
  try {
    const page = await browser.newPage();
    // Room for the canvas at the native window's 512 x 384 and no more: the
    // pace is measured, not the software renderer's speed at larger sizes.
    await page.setViewport({width: 900, height: 640});
    await keepPageTime(page);
    await page.goto(served.url);
    // Past the start and the landing.
    await untilPasses(page, 120);
    const figures = await measurePasses(page, seconds);
    const evenness = passEvenness(figures.frames);
    console.log(
      `${name}: ${figures.passesPerSecond.toFixed(2)} passes/s ` +
        `(${figures.passes} passes, ${figures.duePasses.toFixed(1)} due by the page's clock; ` +
        `${figures.leadAtStart.toFixed(3)} s ahead at the start, ${figures.leadAtEnd.toFixed(3)} s at the end), ` +
        `${figures.framesPerSecond.toFixed(1)} animation frames/s, ` +
        `${figures.scriptMsPerPass.toFixed(3)} ms of script per pass (${await passCount(page)} passes in all); ` +
        `at most ${evenness.longestRun} frames in a row without a pass, the longest gap ` +
        `${evenness.longestGapMs.toFixed(1)} ms (${evenness.longestGapInFrames.toFixed(2)} frames of ` +
        `${evenness.frameMs.toFixed(1)} ms), ${(100 * evenness.gapsUnder12Ms).toFixed(0)} % of gaps under 12 ms, ` +
        `${evenness.held} frames held a pass length or more, ${evenness.ahead} passes ahead of their turn`);
  } finally {
    await browser.close();
  }
}
served.server.close();
