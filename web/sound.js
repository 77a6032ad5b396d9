// The page's sound output (audio/device_browser.cpp): an AudioWorklet on the
// browser's audio thread plays the game's mix, which the page's own thread
// makes whenever the worklet asks for more, and sends it in messages. No
// shared memory, so the site needs no cross-origin isolation from its host.
// Module.sound holds the audio context and the worklet's node once made.
mergeInto(LibraryManager.library, {
  // Runs on the audio thread: plays the chunks as they come, silence when
  // none has come in time, and keeps `ahead` frames queued or asked for.
  // How long a pass's sound waits to be heard is about that many frames.
  $torvikSoundProcessor: function() {
    registerProcessor('torvik-sound', class extends AudioWorkletProcessor {
      constructor(options) {
        super();
        this.ahead = options.processorOptions.ahead;
        this.chunk = options.processorOptions.chunk;
        this.queue = [];
        this.read = 0;
        this.queued = 0;
        this.asked = 0;
        this.port.onmessage = (event) => {
          this.queue.push(event.data);
          this.queued += event.data.length;
          this.asked -= event.data.length;
        };
      }

      process(inputs, outputs) {
        const out = outputs[0][0];
        let at = 0;
        while (at < out.length && this.queue.length > 0) {
          const chunk = this.queue[0];
          const count = Math.min(out.length - at, chunk.length - this.read);
          out.set(chunk.subarray(this.read, this.read + count), at);
          at += count;
          this.read += count;
          this.queued -= count;
          if (this.read === chunk.length) {
            this.queue.shift();
            this.read = 0;
          }
        }
        while (this.queued + this.asked < this.ahead) {
          this.port.postMessage(this.chunk);
          this.asked += this.chunk;
        }
        return true;
      }
    });
  },

  torvik_open_sound__deps: ['$torvikSoundProcessor'],
  torvik_open_sound: function(sampleRate) {
    var sound = Module['sound'] = {context: null, node: null};
    // A page may start its sound only on a key or tap: made any sooner, the
    // context would start suspended, and the browser says so. Every such
    // press after also resumes it if the system suspended it meanwhile.
    sound.start = function() {
      var context = sound.context;
      if (context) {
        if (context.state != 'running' && context.state != 'closed') {
          context.resume().catch(function() {});
        }
        return;
      }
      // Without AudioWorklet (a page not from https or this machine) it is
      // silent, as on a machine without sound.
      if (!window.AudioWorkletNode || (navigator.userActivation && !navigator.userActivation.isActive)) {
        return;
      }
      context = sound.context = new AudioContext({sampleRate: sampleRate, latencyHint: 'interactive'});
      var source = new Blob(['(' + torvikSoundProcessor + ')()'], {type: 'text/javascript'});
      context.audioWorklet.addModule(URL.createObjectURL(source)).then(function() {
        var node = sound.node = new AudioWorkletNode(context, 'torvik-sound', {
          numberOfInputs: 0,
          outputChannelCount: [1],
          processorOptions: {ahead: 1024, chunk: 256},
        });
        node.port.onmessage = function(event) {
          var at = Module['_torvik_mix_sound'](event.data) >> 2;
          var chunk = HEAPF32.slice(at, at + event.data);
          node.port.postMessage(chunk, [chunk.buffer]);
        };
        node.connect(context.destination);
      }, function() {});
    };
    sound.events = ['keydown', 'pointerdown', 'pointerup', 'touchend'];
    sound.events.forEach(function(type) {
      window.addEventListener(type, sound.start, true);
    });
  },

  torvik_close_sound: function() {
    var sound = Module['sound'];
    if (sound) {
      sound.events.forEach(function(type) {
        window.removeEventListener(type, sound.start, true);
      });
      if (sound.context) {
        sound.context.close();
      }
      Module['sound'] = null;
    }
  },
});
