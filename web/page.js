// The page around the game: its canvas, its console lines, the scaling, and
// the keys and touch buttons that play it.
'use strict';

(function () {
  const canvas = document.getElementById('canvas');
  const gameWidth = 512;
  const gameHeight = 384;

  // Whole steps of the game's 512 x 384 in device pixels, so that every world
  // pixel covers the same square of screen pixels; smaller than one step, it
  // shrinks to fit, still 4:3.
  function fitCanvas() {
    const ratio = window.devicePixelRatio || 1;
    const room = document.querySelector('.controls').offsetHeight + 120;
    const width = document.documentElement.clientWidth * ratio;
    const height = Math.max(1, window.innerHeight - room) * ratio;
    let scale = Math.floor(Math.min(width / gameWidth, height / gameHeight));
    if (scale < 1) {
      scale = Math.min(width / gameWidth, 1);
    }
    const root = document.documentElement.style;
    root.setProperty('--canvas-width', (gameWidth * scale) / ratio + 'px');
  }
  window.addEventListener('resize', fitCanvas);
  fitCanvas();

  // The game's keys play; they never scroll the page.
  const gameKeys = new Set(['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown', 'x', 'X']);
  window.addEventListener('keydown', (event) => {
    if (gameKeys.has(event.key)) {
      event.preventDefault();
    }
  });

  // The on-screen buttons press the same keys. A press shorter than a pass
  // would never be seen, so a tap holds its key for a few passes at least.
  const shortestHoldMs = 100;
  function sendKey(type, keyCode) {
    const event = new Event(type, {bubbles: true, cancelable: true});
    Object.defineProperty(event, 'keyCode', {value: keyCode});
    window.dispatchEvent(event);
  }
  for (const button of document.querySelectorAll('#touch-buttons button')) {
    const keyCode = Number(button.dataset.key);
    let pressedAt = null;
    button.addEventListener('pointerdown', (event) => {
      event.preventDefault();
      button.setPointerCapture(event.pointerId);
      if (pressedAt === null) {
        pressedAt = performance.now();
        button.classList.add('held');
        sendKey('keydown', keyCode);
      }
    });
    const release = () => {
      if (pressedAt === null) {
        return;
      }
      const left = shortestHoldMs - (performance.now() - pressedAt);
      pressedAt = null;
      setTimeout(() => {
        if (pressedAt === null) {
          button.classList.remove('held');
          sendKey('keyup', keyCode);
        }
      }, Math.max(0, left));
    };
    button.addEventListener('pointerup', release);
    button.addEventListener('pointercancel', release);
    button.addEventListener('contextmenu', (event) => event.preventDefault());
  }
  if (navigator.maxTouchPoints > 0 || window.matchMedia('(pointer: coarse)').matches) {
    document.body.classList.add('touch');
  }
  window.addEventListener('touchstart', () => document.body.classList.add('touch'), {once: true});

  // Without WebGL the game cannot open its window: it says so on its console
  // lines and runs its one pass; the page says so in words.
  function showNoWebGl() {
    canvas.style.display = 'none';
    document.getElementById('touch-buttons').style.display = 'none';
    document.getElementById('no-webgl').hidden = false;
  }

  window.Module = {
    canvas: canvas,
    print: (line) => {
      console.log(line);
      if (line === 'GLFW window creation failed') {
        showNoWebGl();
      }
    },
    // The game writes nothing there itself: only the toolchain's notes come.
    printErr: (line) => console.warn(line),
  };
  canvas.focus();
})();
