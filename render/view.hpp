#pragma once

// The view: always 256 x 192 world pixels, whatever the window's size.
inline constexpr int viewWidth = 256;
inline constexpr int viewHeight = 192;
inline constexpr int viewHalfWidth = viewWidth / 2;
inline constexpr int viewHalfHeight = viewHeight / 2;

// A box of the window's pixels, from its bottom-left corner: where the view
// goes, as GL's viewport takes it.
struct ViewportBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
