#include "render/texture.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "render/gl_context.hpp"
#include "render/image16.hpp"

namespace {

using Rgba = std::array<std::uint8_t, 4>;

TEST(TexelConversion, TexelWordsDecodeToTheirColourAndOpacity) {
    EXPECT_EQ(expandTexel(0x0000), (Rgba{0, 0, 0, 0}));
    EXPECT_EQ(expandTexel(0x8000), (Rgba{0, 0, 0, 255}));
    // White colour bits are kept even where the texel is transparent.
    EXPECT_EQ(expandTexel(0x7FFF), (Rgba{255, 255, 255, 0}));
    EXPECT_EQ(expandTexel(0xFFFF), (Rgba{255, 255, 255, 255}));
    EXPECT_EQ(expandTexel(0x0421), (Rgba{8, 8, 8, 0}));
}

TEST(TexelConversion, EveryChannelValueExpandsByScalingNotBitReplication) {
    const std::array<int, 32> expected{0,   8,   16,  24,  32,  41,  49,  57,  65,  74,  82,
                                       90,  98,  106, 115, 123, 131, 139, 148, 156, 164, 172,
                                       180, 189, 197, 205, 213, 222, 230, 238, 246, 255};
    for (unsigned k = 0; k < 32; ++k) {
        const auto red = expandTexel(static_cast<std::uint16_t>(k));
        const auto green = expandTexel(static_cast<std::uint16_t>(k << 5));
        const auto blue = expandTexel(static_cast<std::uint16_t>(k << 10));
        EXPECT_EQ(red, (Rgba{static_cast<std::uint8_t>(expected[k]), 0, 0, 0})) << k;
        EXPECT_EQ(green, (Rgba{0, static_cast<std::uint8_t>(expected[k]), 0, 0})) << k;
        EXPECT_EQ(blue, (Rgba{0, 0, static_cast<std::uint8_t>(expected[k]), 0})) << k;
    }
}

TEST(TexelConversion, ImageBytesAreLowByteFirstAndRowsInStoredOrder) {
    Image16 image;
    // Bytes 0x1F 0x80 are the word 0x801F: opaque pure red.
    image.bytes[0] = 0x1F;
    image.bytes[1] = 0x80;
    setTexelWord(image, 127, 0, 0x83E0);  // opaque green, end of the first row
    setTexelWord(image, 0, 1, 0xFC00);    // opaque blue, start of the second row
    setTexelWord(image, 127, 127, 0x7FFF);

    const std::vector<std::uint8_t> rgba = expandImage(image);
    ASSERT_EQ(rgba.size(), 65536U);
    auto texel = [&](int u, int v) {
        const auto at = 4 * static_cast<std::size_t>(u + 128 * v);
        return Rgba{rgba[at], rgba[at + 1], rgba[at + 2], rgba[at + 3]};
    };
    EXPECT_EQ(texel(0, 0), (Rgba{255, 0, 0, 255}));
    EXPECT_EQ(texel(127, 0), (Rgba{0, 255, 0, 255}));
    EXPECT_EQ(texel(0, 1), (Rgba{0, 0, 255, 255}));
    EXPECT_EQ(texel(127, 127), (Rgba{255, 255, 255, 0}));
    EXPECT_EQ(texel(64, 64), (Rgba{0, 0, 0, 0}));
}

TEST(TexelConversion, WithoutAContextDecodingOnlyAnnouncesTheImage) {
    ASSERT_FALSE(glContextReady());
    std::uint32_t name = 77;
    testing::internal::CaptureStdout();
    decodeTexture(name, Image16{});
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Texture generated (size: 128x128, id: 0)\n");
    EXPECT_EQ(name, 0U);
}

}  // namespace
