// Mends the toolchain's fixed-function GL emulation where the game relies on it.
mergeInto(LibraryManager.library, {
  // The emulation's own gluLookAt hands its matrix library the arguments out
  // of order and leaves the model-view matrix as it was, so every frame came
  // out black. As GLU does it: the current matrix times the look-at matrix.
  gluLookAt__deps: ['$GLImmediate'],
  gluLookAt: function(eyeX, eyeY, eyeZ, centreX, centreY, centreZ, upX, upY, upZ) {
    var lib = GLImmediate.matrixLib;
    var current = GLImmediate.currentMatrix;
    var lookAt = lib.mat4.lookAt([eyeX, eyeY, eyeZ], [centreX, centreY, centreZ], [upX, upY, upZ]);
    lib.mat4.multiply(GLImmediate.matrix[current], lookAt);
    GLImmediate.matricesModified = true;
    GLImmediate.matrixVersion[current] = (GLImmediate.matrixVersion[current] + 1) | 0;
  },
});
