// The web build's figures in headless Chromium: passes a second and the
// page's script time per pass, at the browser's own frame rate and with its
// animation frames unthrottled; beside the rate, the passes the page's clock
// made due over the span, allowing for what the pacer owed or held at its
// ends; how evenly the passes fell on the animation frames; and how long
// after a key press the jump's sound leaves the page's audio graph.
//   node bench/web_figures.mjs SITE_DIRECTORY [SECONDS]
import {
  forPasses,
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
// Installed before the page loads: whatever the page connects to its
// speakers is also heard by a listener on the audio thread, which tells the
// audio context's time of the first sample above a whisper once armed; each
// key press arms it and notes the context's time.
function listenToSpeakers() {
  const sound = (window.torvikSound = {keys: [], heard: []});
  const listener = `registerProcessor('torvik-listener', class extends AudioWorkletProcessor {
    constructor() { super(); this.armed = false; this.port.onmessage = () => (this.armed = true); }
    process(inputs) {
      const input = inputs[0][0];
      for (let i = 0; this.armed && input && i < input.length; ++i) {
        if (Math.abs(input[i]) > 0.01) {
          this.armed = false;
          this.port.postMessage(currentTime + i / sampleRate);
        }
      }
      return true;
    }
  });`;
  const connect = AudioNode.prototype.connect;
  AudioNode.prototype.connect = function (target, ...rest) {
    if (target instanceof AudioDestinationNode && !sound.context) {
      const context = (sound.context = this.context);
      const source = this;
      context.audioWorklet.addModule(URL.createObjectURL(new Blob([listener], {type: 'text/javascript'}))).then(() => {
        const node = new AudioWorkletNode(context, 'torvik-listener');
        connect.call(source, node);
        connect.call(node, context.destination);
        node.port.onmessage = (event) => sound.heard.push(event.data);
        sound.arm = () => node.port.postMessage(0);
      });
    }
    return connect.call(this, target, ...rest);
  };
  window.addEventListener('keydown', () => {
    if (sound.arm) {
      sound.keys.push(sound.context.currentTime);
      sound.arm();
    }
  }, true);
}

// Jumps on the grass and, each time, how long from the key to the first
// sample of the jump's sound; the first jump only starts the sound.
async function soundLatency(jumps) {
  const browser = await launchChromium();
  try {
    const page = await browser.newPage();
    await page.evaluateOnNewDocument(listenToSpeakers);
    await page.goto(served.url);
    await untilPasses(page, 120);
    const latencies = [];
    for (let i = 0; i <= jumps; ++i) {
      await page.keyboard.down('x');
      await forPasses(page, 10);
      await page.keyboard.up('x');
      await forPasses(page, 80);  // down again and standing
      const sound = await page.evaluate(() => ({
        keys: window.torvikSound.keys,
        heard: window.torvikSound.heard,
        baseLatency: window.torvikSound.context ? window.torvikSound.context.baseLatency : 0,
        outputLatency: window.torvikSound.context ? window.torvikSound.context.outputLatency : 0,
      }));
      if (sound.keys.length === sound.heard.length && sound.keys.length > 0) {
        latencies.push(1000 * (sound.heard.at(-1) - sound.keys.at(-1)));
      }
      if (i === jumps) {
        latencies.sort((a, b) => a - b);
        const at = (share) => latencies[Math.min(latencies.length - 1, Math.floor(share * latencies.length))];
        console.log(`sound: from the key to the jump's first sample leaving the page's audio graph, ` +
          `${latencies.length} jumps: median ${at(0.5).toFixed(1)} ms, from ${latencies[0].toFixed(1)} to ` +
          `${latencies.at(-1).toFixed(1)} ms; the browser's own output adds ` +
          `${(1000 * (sound.baseLatency + sound.outputLatency)).toFixed(1)} ms`);
      }
    }
  } finally {
    await browser.close();
  }
}

await soundLatency(10);
served.server.close();
