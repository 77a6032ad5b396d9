// The game's draws in WebGL (render/gl_browser.cpp hands them over): one
// program doing what the game's fixed-function state asks (the matrix, the
// texel times the colour, the alpha test), the quads streamed into one
// buffer, and the textures kept as the game gave them, so that everything is
// made again when a lost context comes back.
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
      if (torvikWebGl.applied.texture === name) {
        torvikWebGl.applied.texture = undefined;
      }
      return kept;
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
    var gl = torvikWebGl.context();
    if (!gl) {
      return;
    }
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
    var values = HEAPF32.subarray(matrix >> 2, (matrix >> 2) + 16);
    var last = applied.matrix;
    if (!last || values.some(function(value, i) { return value !== last[i]; })) {
      applied.matrix = values.slice();
      gl.uniformMatrix4fv(made.matrix, false, values);
    }
    torvikWebGl.bind(gl, texture);
    gl.bufferSubData(gl.ARRAY_BUFFER, 0, HEAPU8.subarray(vertices, vertices + 24 * count));
    gl.drawElements(gl.TRIANGLES, (count / 4) * 6, gl.UNSIGNED_SHORT, 0);
  },

  torvik_webgl_clear__deps: ['$torvikWebGl'],
  torvik_webgl_clear: function(mask, red, green, blue, alpha, depth) {
    var gl = torvikWebGl.context();
    if (!gl) {
      return;
    }
    var applied = torvikWebGl.applied;
    if (applied.red !== red || applied.green !== green || applied.blue !== blue || applied.alpha !== alpha) {
      gl.clearColor(applied.red = red, applied.green = green, applied.blue = blue, applied.alpha = alpha);
    }
    if (applied.depth !== depth) {
      gl.clearDepth(applied.depth = depth);
    }
    gl.clear(mask);
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
