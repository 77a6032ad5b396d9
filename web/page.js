// The page around the game: its canvas, its console lines, the scaling,
// fullscreen, the keys and touch buttons that play it, and the worker that
// keeps it for playing offline.
'use strict';

(function () {
  const canvas = document.getElementById('canvas');
  const gameArea = document.getElementById('game');
  const worldWidth = 256;
  const worldHeight = 192;
  let gameRunning = false;
  // Whether the game knows the canvas's size: it is told once it runs, and of every change.
  let gameTold = false;

  // Played on its own, the page gives the game the keys at once. In another
  // site's frame (a game portal's), taking the focus at load would scroll
  // that site's page to the frame and take its reader's keys: there the game
  // takes them once the player clicks or taps into it, and never moves the
  // page around it to do so.
  const embedded = window.parent !== window;
  function takeKeys() {
    canvas.focus({preventScroll: true});
  }

  // The room the page leaves the canvas, in CSS pixels: the window, less
  // what else is shown above and below it (in fullscreen, the touch buttons).
  function roomForCanvas() {
    const full = document.fullscreenElement === gameArea;
    const box = full ? gameArea : document.querySelector('main');
    const style = getComputedStyle(box);
    const gap = parseFloat(style.rowGap) || 0;
    let height = (full ? gameArea.clientHeight : window.innerHeight) -
      parseFloat(style.paddingTop) - parseFloat(style.paddingBottom);
    for (const element of [...box.children, ...(full ? [] : gameArea.children)]) {
      if (element !== canvas && element !== gameArea && element.offsetHeight > 0) {
        height -= element.offsetHeight + gap;
      }
    }
    return {width: full ? gameArea.clientWidth : document.documentElement.clientWidth, height};
  }

  // Whole steps of the world's 256 x 192 in device pixels, in and out of
  // fullscreen, so that every world pixel covers the same square of screen
  // pixels; the canvas's own pixels follow, so that nothing is resampled.
  // How many steps fit is the game's rule, the one its desktop fullscreen
  // keeps, asked of the game once it runs (its window's creation sets the
  // canvas's size anyway). Until then the page reckons it the same way (the
  // most steps that fit across and down), so that nothing on the page moves
  // when the game's own answer comes. Smaller than one step, it shrinks to
  // fit, still 4:3.
  function fitCanvas() {
    const ratio = window.devicePixelRatio || 1;
    const room = roomForCanvas();
    const width = room.width * ratio;
    const height = Math.max(1, room.height) * ratio;
    const steps = gameRunning
      ? Module._torvik_whole_steps(Math.floor(width), Math.floor(height))
      : Math.min(Math.floor(width / worldWidth), Math.floor(height / worldHeight));
    const scale = steps >= 1 ? steps : Math.min(width / worldWidth, 1);
    const root = document.documentElement.style;
    root.setProperty('--canvas-width', (worldWidth * scale) / ratio + 'px');
    if (!gameRunning) {
      return;
    }
    // The canvas's pixels are set only when they change: each setting clears
    // them and waits on the graphics process.
    const pixels = Math.max(steps, 1);
    if (canvas.width !== worldWidth * pixels || canvas.height !== worldHeight * pixels) {
      canvas.width = worldWidth * pixels;
      canvas.height = worldHeight * pixels;
      gameTold = false;
    }
    if (!gameTold) {
      gameTold = true;
      Module._torvik_canvas_resized(canvas.width, canvas.height);
    }
  }
  window.addEventListener('resize', fitCanvas);
  document.addEventListener('fullscreenchange', fitCanvas);
  // The screen's pixel ratio changes with the browser's zoom or another
  // screen, and newer toolchains' GLFW then sizes the canvas to its
  // CSS pixels: the page fits it again once that is done.
  function watchPixelRatio() {
    matchMedia(`(resolution: ${window.devicePixelRatio || 1}dppx)`).addEventListener('change', () => {
      requestAnimationFrame(fitCanvas);
      watchPixelRatio();
    }, {once: true});
  }
  watchPixelRatio();

  // Fullscreen puts the game's area on the whole screen, black around the
  // canvas; Escape leaves it, as the browser has it. On a phone it turns the
  // picture to landscape where it can.
  function switchFullscreen() {
    if (document.fullscreenElement) {
      document.exitFullscreen().catch(() => {});
      return;
    }
    gameArea.requestFullscreen({navigationUI: 'hide'})
      .then(() => screen.orientation && screen.orientation.lock('landscape'))
      .catch(() => {})
      .finally(takeKeys);
  }
  const fullscreenButton = document.getElementById('fullscreen-button');
  if (document.fullscreenEnabled) {
    fullscreenButton.addEventListener('click', switchFullscreen);
    window.addEventListener('keydown', (event) => {
      if ((event.key === 'f' || event.key === 'F') && !event.repeat && !event.ctrlKey &&
          !event.altKey && !event.metaKey) {
        event.preventDefault();
        switchFullscreen();
      }
    });
  } else {
    document.getElementById('fullscreen-block').hidden = true;
  }

  // The game's keys play; they never scroll the page.
  const gameKeys = new Set(['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown', 'x', 'X']);
  window.addEventListener('keydown', (event) => {
    if (gameKeys.has(event.key)) {
      event.preventDefault();
    }
  });

  // In a frame whose host withholds gamepads, the browser refuses to list
  // them by throwing, which would stop the game at its first pass: there it
  // plays as with no pad plugged in.
  try {
    navigator.getGamepads?.();
  } catch {
    Object.defineProperty(navigator, 'getGamepads', {value: () => [], configurable: true});
  }

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

  // A phone takes a page's WebGL away when it wants the memory back, and a
  // browser when its GPU's process restarts: the game holds its run and, when
  // the context comes back, makes its drawing again. If it does not come
  // back while the page is shown, the canvas's place says so.
  const contextLost = document.getElementById('context-lost');
  const lostWaitMs = 3000;
  let lostTimer = null;
  function sayContextLost() {
    if (document.hidden) {
      lostTimer = setTimeout(sayContextLost, lostWaitMs);
      return;
    }
    canvas.style.display = 'none';
    contextLost.hidden = false;
  }
  canvas.addEventListener('webglcontextlost', (event) => {
    event.preventDefault();
    clearTimeout(lostTimer);
    lostTimer = setTimeout(sayContextLost, lostWaitMs);
  });
  canvas.addEventListener('webglcontextrestored', () => {
    clearTimeout(lostTimer);
    contextLost.hidden = true;
    canvas.style.display = '';
  });
  document.getElementById('reload').addEventListener('click', () => location.reload());

  // ---- Sound ----
  // The game's sound output starts itself on the first key or tap, as
  // browsers require, in time for the sound that very key makes. The speaker
  // button is the M key's switch.
  const speaker = document.getElementById('speaker');
  function showSound() {
    const muted = Module.calledRun && Module._torvik_sound_muted() !== 0;
    speaker.setAttribute('aria-pressed', String(muted));
    speaker.setAttribute('aria-label', muted ? 'Sound off' : 'Sound on');
  }
  speaker.addEventListener('click', () => {
    if (Module.calledRun) {
      Module._torvik_toggle_sound();
    }
    showSound();
    takeKeys();
  });
  window.addEventListener('keyup', (event) => {
    if (event.key === 'm' || event.key === 'M') {
      showSound();
    }
  });
  // ---- end of sound ----

  window.Module = {
    canvas: canvas,
    // The pad's View and Menu buttons (the game reads the pad): fullscreen as
    // the F key asks it, which a browser may refuse a pad's press, and the
    // speaker showing the sound switched.
    switchFullscreen: () => document.fullscreenEnabled && switchFullscreen(),
    showSound: () => showSound(),
    // Called by the game once its window is open: from then on it is told of
    // every new size of the canvas.
    fitCanvas: () => {
      gameRunning = true;
      fitCanvas();
    },
    print: (line) => console.log(line),
    // The game writes nothing there itself: only the toolchain's notes come.
    printErr: (line) => console.warn(line),
    // Once the game's start-up is over: without a window it has run its one
    // pass and ended.
    postRun: () => {
      if (!Module._torvik_window_open()) {
        showNoWebGl();
      }
    },
  };
  // The page shows once its canvas has the size the game will give it (see
  // page.css).
  fitCanvas();
  document.body.classList.add('fitted');

  if (embedded) {
    // A click beside the canvas leaves the focus nowhere; the game keeps it.
    window.addEventListener('pointerup', () => {
      if (document.activeElement === null || document.activeElement === document.body) {
        takeKeys();
      }
    });
  } else {
    canvas.focus();
  }

  // Kept for playing offline, where the page comes from a server (a page
  // opened from a file has no workers).
  if ('serviceWorker' in navigator && window.isSecureContext) {
    window.addEventListener('load', () => {
      navigator.serviceWorker.register('service-worker.js')
        .catch((error) => console.warn('Torvik will not play offline: ' + error));
    });
  }
})();
