// The game's draws in WebGL (render/gl_browser.cpp hands them over): one
// program doing what the game's fixed-function state asks (the matrix, the
// texel times the colour, the alpha test), the quads streamed into one
// buffer, and the textures kept as the game gave them, so that everything is
// made again when a lost context comes back.
//
// A pass's draws are gathered and drawn at its glFlush, and only if they
// differ from the ones the canvas shows: a creature at rest shows the same
// picture for many passes, and drawing it again would only keep a phone's GPU
// (or a GPU-less browser's software one) busy.
mergeInto(LibraryManager.library, {
  $torvikWebGl: {
    gl: null,
    // Made in the current context; null until the next call needs them.
    made: null,
    // By the game's name: the image and parameters given, and the texture
    // made of them in the current context (null until it is drawn with).
    textures: {},
    // The state last set in the current context, so that a draw sets only
    // what changed.
    applied: {},
    // The pass's draws so far, and those the canvas shows at its size.
    gathering: null,
    shown: null,
    shownWidth: 0,
    shownHeight: 0,
    // Whether the canvas may show other than `shown`: nothing drawn yet, a
    // texture changed, or the context lost.
    stale: true,

    // The context the game's window made, ready to draw in, or null while it
    // is lost.
    context: function() {
      var gl = torvikWebGl.gl;
      if (!gl) {
        var canvas = Module['canvas'];
        gl = torvikWebGl.gl = canvas.getContext('webgl');
        if (!gl) {
          return null;
        }
        // Claims the right to a restored context; what was made is gone.
        canvas.addEventListener('webglcontextlost', function(event) {
          event.preventDefault();
          torvikWebGl.made = null;
          torvikWebGl.applied = {};
          torvikWebGl.stale = true;
          for (var name in torvikWebGl.textures) {
            torvikWebGl.textures[name].made = null;
          }
        });
      }
      if (gl.isContextLost()) {
        return null;
      }
      if (!torvikWebGl.made) {
        torvikWebGl.make(gl);
      }
      return gl;
    },

    make: function(gl) {
      function shader(type, source) {
        var made = gl.createShader(type);
        gl.shaderSource(made, source);
        gl.compileShader(made);
        gl.attachShader(program, made);
      }
      var program = gl.createProgram();
      shader(gl.VERTEX_SHADER,
        'attribute vec3 p;attribute vec2 t;attribute vec4 c;uniform mat4 m;varying vec2 vt;varying vec4 vc;' +
        'void main(){vt=t;vc=c;gl_Position=m*vec4(p,1.0);}');
      // High precision where there is any: the texel's coordinate must land
      // on the right texel however large the picture is shown.
      shader(gl.FRAGMENT_SHADER,
        '#ifdef GL_FRAGMENT_PRECISION_HIGH\nprecision highp float;\n#else\nprecision mediump float;\n#endif\n' +
        'uniform sampler2D s;uniform float x;uniform float a;varying vec2 vt;varying vec4 vc;' +
        'void main(){vec4 c=vc;if(x>0.5)c*=texture2D(s,vt);if(c.a<=a)discard;gl_FragColor=c;}');
      gl.bindAttribLocation(program, 0, 'p');
      gl.bindAttribLocation(program, 1, 't');
      gl.bindAttribLocation(program, 2, 'c');
      gl.linkProgram(program);
      gl.useProgram(program);

      // Every quad as two triangles of its four corners, in their order.
      var quads = 4096;
      var indices = new Uint16Array(6 * quads);
      for (var q = 0; q < quads; ++q) {
        indices.set([4 * q, 4 * q + 1, 4 * q + 2, 4 * q, 4 * q + 2, 4 * q + 3], 6 * q);
      }
      gl.bindBuffer(gl.ELEMENT_ARRAY_BUFFER, gl.createBuffer());
      gl.bufferData(gl.ELEMENT_ARRAY_BUFFER, indices, gl.STATIC_DRAW);
      gl.bindBuffer(gl.ARRAY_BUFFER, gl.createBuffer());
      gl.bufferData(gl.ARRAY_BUFFER, 24 * 4 * quads, gl.STREAM_DRAW);
      // The layer's vertices: position and texel as floats, colour as bytes.
      gl.enableVertexAttribArray(0);
      gl.enableVertexAttribArray(1);
      gl.enableVertexAttribArray(2);
      gl.vertexAttribPointer(0, 3, gl.FLOAT, false, 24, 0);
      gl.vertexAttribPointer(1, 2, gl.FLOAT, false, 24, 12);
      gl.vertexAttribPointer(2, 4, gl.UNSIGNED_BYTE, true, 24, 20);
      torvikWebGl.made = {
        matrix: gl.getUniformLocation(program, 'm'),
        textured: gl.getUniformLocation(program, 'x'),
        alphaReference: gl.getUniformLocation(program, 'a'),
      };
      torvikWebGl.applied = {};
    },

    // The game's texture `name` bound, made first if this context has not
    // got it yet.
    bind: function(gl, name) {
      var kept = torvikWebGl.textures[name];
      if (kept && !kept.made && kept.pixels) {
        kept.made = gl.createTexture();
        gl.bindTexture(gl.TEXTURE_2D, kept.made);
        for (var parameter in kept.parameters) {
          gl.texParameteri(gl.TEXTURE_2D, +parameter, kept.parameters[parameter]);
        }
        gl.texImage2D(gl.TEXTURE_2D, 0, gl.RGBA, kept.width, kept.height, 0, gl.RGBA,
          gl.UNSIGNED_BYTE, kept.pixels);
        torvikWebGl.applied.texture = name;
      }
      if (torvikWebGl.applied.texture !== name) {
        gl.bindTexture(gl.TEXTURE_2D, kept ? kept.made : null);
        torvikWebGl.applied.texture = name;
      }
    },

    // The game's texture `name` as given, its WebGL texture to be made anew.
    kept: function(name) {
      var kept = torvikWebGl.textures[name] || (torvikWebGl.textures[name] = {parameters: {}});
      if (kept.made && torvikWebGl.gl) {
        torvikWebGl.gl.deleteTexture(kept.made);
      }
      kept.made = null;
      torvikWebGl.stale = true;
      if (torvikWebGl.applied.texture === name) {
        torvikWebGl.applied.texture = undefined;
      }
      return kept;
    },

    // A pass's draws: their numbers (one code, then its arguments) and their
    // vertices' bytes, in arrays that grow and are kept.
    record: function() {
      return {numbers: new Float64Array(512), count: 0, bytes: new Uint8Array(65536), size: 0};
    },
    // `array`, or a copy twice as large, with room for `more` past its first `used`.
    roomIn: function(array, used, more) {
      if (used + more <= array.length) {
        return array;
      }
      var grown = new array.constructor(2 * (used + more));
      grown.set(array.subarray(0, used));
      return grown;
    },
    // The record gathering, with room for `length` more numbers.
    room: function(length) {
      var record = torvikWebGl.gathering || (torvikWebGl.gathering = torvikWebGl.record());
      record.numbers = torvikWebGl.roomIn(record.numbers, record.count, length);
      return record;
    },
    putBytes: function(record, from, length) {
      record.bytes = torvikWebGl.roomIn(record.bytes, record.size, length);
      record.bytes.set(HEAPU8.subarray(from, from + length), record.size);
      record.size += length;
    },
    same: function(a, b) {
      if (!b || a.count !== b.count || a.size !== b.size) {
        return false;
      }
      for (var i = 0; i < a.count; ++i) {
        if (a.numbers[i] !== b.numbers[i]) {
          return false;
        }
      }
      // Vertices are 24 bytes: compared four at a time.
      var left = new Int32Array(a.bytes.buffer, 0, a.size >> 2);
      var right = new Int32Array(b.bytes.buffer, 0, b.size >> 2);
      for (var j = 0; j < left.length; ++j) {
        if (left[j] !== right[j]) {
          return false;
        }
      }
      return true;
    },

    // A recorded pass drawn in the context; false while it is lost.
    replay: function(record) {
      var gl = torvikWebGl.context();
      if (!gl) {
        return false;
      }
      var numbers = record.numbers;
      var offset = 0;
      for (var i = 0; i < record.count;) {
        if (numbers[i] === 1) {
          var count = numbers[i + 1];
          torvikWebGl.draw(gl, numbers.subarray(i + 13, i + 29), record.bytes.subarray(offset, offset + 24 * count),
            count, numbers[i + 2], numbers[i + 3], numbers[i + 4], numbers[i + 5], numbers[i + 6], numbers[i + 7],
            numbers[i + 8], numbers[i + 9], numbers[i + 10], numbers[i + 11], numbers[i + 12]);
          offset += 24 * count;
          i += 29;
        } else {
          torvikWebGl.clear(gl, numbers[i + 1], numbers[i + 2], numbers[i + 3], numbers[i + 4], numbers[i + 5],
            numbers[i + 6]);
          i += 7;
        }
      }
      return true;
    },

    draw: function(gl, matrix, vertices, count, texture, flags, alphaReference, depthFunc, blendSource,
      blendDestination, cullMode, x, y, width, height) {
      var made = torvikWebGl.made;
      var applied = torvikWebGl.applied;
      if (applied.x !== x || applied.y !== y || applied.width !== width || applied.height !== height) {
        gl.viewport(applied.x = x, applied.y = y, applied.width = width, applied.height = height);
      }
      torvikWebGl.capability(gl, gl.DEPTH_TEST, (flags & 4) != 0);
      torvikWebGl.capability(gl, gl.BLEND, (flags & 8) != 0);
      torvikWebGl.capability(gl, gl.CULL_FACE, (flags & 16) != 0);
      if (applied.depthFunc !== depthFunc) {
        gl.depthFunc(applied.depthFunc = depthFunc);
      }
      if (applied.blendSource !== blendSource || applied.blendDestination !== blendDestination) {
        gl.blendFunc(applied.blendSource = blendSource, applied.blendDestination = blendDestination);
      }
      if (applied.cullMode !== cullMode) {
        gl.cullFace(applied.cullMode = cullMode);
      }
      var textured = flags & 1;
      if (applied.textured !== textured) {
        gl.uniform1f(made.textured, applied.textured = textured);
      }
      // The alpha test discards at or below the reference; off, nothing is.
      var reference = flags & 2 ? alphaReference : -1;
      if (applied.reference !== reference) {
        gl.uniform1f(made.alphaReference, applied.reference = reference);
      }
      // The same matrix for a whole frame, mostly: set only when it changed.
      var last = applied.matrix;
      if (!last || matrix.some(function(value, i) { return value !== last[i]; })) {
        applied.matrix = new Float32Array(matrix);
        gl.uniformMatrix4fv(made.matrix, false, applied.matrix);
      }
      torvikWebGl.bind(gl, texture);
      gl.bufferSubData(gl.ARRAY_BUFFER, 0, vertices);
      gl.drawElements(gl.TRIANGLES, (count / 4) * 6, gl.UNSIGNED_SHORT, 0);
    },

    clear: function(gl, mask, red, green, blue, alpha, depth) {
      var applied = torvikWebGl.applied;
      if (applied.red !== red || applied.green !== green || applied.blue !== blue || applied.alpha !== alpha) {
        gl.clearColor(applied.red = red, applied.green = green, applied.blue = blue, applied.alpha = alpha);
      }
      if (applied.depth !== depth) {
        gl.clearDepth(applied.depth = depth);
      }
      gl.clear(mask);
    },

    capability: function(gl, capability, on) {
      if (torvikWebGl.applied[capability] !== on) {
        torvikWebGl.applied[capability] = on;
        on ? gl.enable(capability) : gl.disable(capability);
      }
    },
  },

  torvik_webgl_draw__deps: ['$torvikWebGl'],
  torvik_webgl_draw: function(matrix, vertices, count, texture, flags, alphaReference, depthFunc,
    blendSource, blendDestination, cullMode, x, y, width, height) {
    // Its code, its arguments after the two addresses, its matrix: as replay reads them.
    var record = torvikWebGl.room(29);
    var numbers = record.numbers;
    numbers[record.count] = 1;
    for (var i = 2; i < 14; ++i) {
      numbers[record.count + i - 1] = arguments[i];
    }
    numbers.set(HEAPF32.subarray(matrix >> 2, (matrix >> 2) + 16), record.count + 13);
    record.count += 29;
    torvikWebGl.putBytes(record, vertices, 24 * count);
  },

  torvik_webgl_clear__deps: ['$torvikWebGl'],
  torvik_webgl_clear: function(mask, red, green, blue, alpha, depth) {
    var record = torvikWebGl.room(7);
    record.numbers.set([2, mask, red, green, blue, alpha, depth], record.count);
    record.count += 7;
  },

  // The end of a pass: its draws go to the canvas, unless it shows them
  // already.
  torvik_webgl_flush__deps: ['$torvikWebGl'],
  torvik_webgl_flush: function() {
    var gathered = torvikWebGl.gathering;
    if (!gathered || gathered.count === 0) {
      return;
    }
    var canvas = Module['canvas'];
    var shown = torvikWebGl.shown;
    // A canvas given new pixels has lost its picture.
    var sized = canvas.width === torvikWebGl.shownWidth && canvas.height === torvikWebGl.shownHeight;
    if (torvikWebGl.stale || !sized || !torvikWebGl.same(gathered, shown)) {
      if (torvikWebGl.replay(gathered)) {
        torvikWebGl.stale = false;
        torvikWebGl.shownWidth = canvas.width;
        torvikWebGl.shownHeight = canvas.height;
        torvikWebGl.shown = gathered;
        torvikWebGl.gathering = shown;
      } else {
        torvikWebGl.stale = true;
      }
    }
    if (torvikWebGl.gathering) {
      torvikWebGl.gathering.count = 0;
      torvikWebGl.gathering.size = 0;
    }
  },

  // Kept here, and made in the context when it is first drawn with.
  torvik_webgl_texture_image__deps: ['$torvikWebGl'],
  torvik_webgl_texture_image: function(name, width, height, rgba) {
    var kept = torvikWebGl.kept(name);
    kept.width = width;
    kept.height = height;
    kept.pixels = HEAPU8.slice(rgba, rgba + 4 * width * height);
  },

  torvik_webgl_texture_parameter__deps: ['$torvikWebGl'],
  torvik_webgl_texture_parameter: function(name, parameter, value) {
    torvikWebGl.kept(name).parameters[parameter] = value;
  },
});
