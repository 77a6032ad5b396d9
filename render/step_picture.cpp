#include "render/step_picture.hpp"

#include <algorithm>

namespace {

int powerOfTwoAtLeast(int size) {
    int side = 1;
    while (side < size) {
        side *= 2;
    }
    return side;
}

int piecesFor(int pictureSize, int windowSize) {
    return (pictureSize + windowSize - 1) / windowSize;
}

}  // namespace

StepPicture stepPictureFor(int windowWidth, int windowHeight, const ViewportBox& view,
                           int maxTextureSide) {
    if (windowWidth < 1 || windowHeight < 1 || view.width < 1 || view.height < 1) {
        return {};
    }
    // The largest step that fits the view, and at least one: a smaller view
    // shrinks the picture of one step.
    int steps = std::clamp(wholeSteps(view.width, view.height), 1, maxPictureSteps);
    const int largestSide =
        std::min(maxTextureSide, powerOfTwoAtLeast(maxPictureSteps * viewWidth));
    while (steps > 0 && powerOfTwoAtLeast(steps * viewWidth) > largestSide) {
        --steps;
    }
    if (steps == 0) {
        return {};
    }
    StepPicture picture;
    picture.steps = steps;
    picture.width = steps * viewWidth;
    picture.height = steps * viewHeight;
    picture.textureWidth = powerOfTwoAtLeast(picture.width);
    picture.textureHeight = powerOfTwoAtLeast(picture.height);
    picture.columns = piecesFor(picture.width, windowWidth);
    picture.rows = piecesFor(picture.height, windowHeight);
    if (picture.columns * picture.rows > maxPicturePieces) {
        return {};
    }
    return picture;
}
