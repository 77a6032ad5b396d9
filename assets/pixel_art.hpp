#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

#include "render/atlas.hpp"
#include "render/image16.hpp"

// The game's pictures are kept as text, one character per texel, and turned
// into Image16 data while compiling. A text holds:
//
//   # a comment                       (also blank lines, anywhere between blocks)
//   colour g 6 13 4  grass            a legend line: character, 5-bit red, green, blue
//   tile 12 grass top                 a block header: keyword, number, free label
//   ................                  then exactly `height` lines of exactly `width`
//                                     characters, '.' for a transparent texel,
//                                     and a blank line
//   frame 3 same as 1                 a block that repeats an earlier block
//                                     texel for texel, with no lines of its own
//
// Every block number of the layout must appear exactly once. Anything wrong
// (an unknown character, a short line, a missing or repeated block) stops the
// build when the image is a constant, and throws when parsed at run time.

inline void throwArtFault(const char* what, int line) {
    throw std::invalid_argument(std::string(what) + " (line " + std::to_string(line) + ")");
}

// While compiling, the read past this one-element array is what fails: the
// compiler's message then shows the fault's text and, as the subscript, the
// source line of the faulty art.
constexpr void artFault(const char* what, int line) {
    if (std::is_constant_evaluated()) {
        const std::array<char, 1> faultyArtLine{};
        if (faultyArtLine.data()[line > 0 ? line : 1] == 0) {
            return;
        }
    }
    throwArtFault(what, line);
}

struct ArtOrigin {
    int u;
    int v;
};

// Where the blocks of one kind of picture go on the image.
struct ArtLayout {
    std::string_view keyword;         // "tile" or "frame"
    int first;                        // lowest block number
    int count;                        // blocks first .. first + count - 1, all required
    int width;                        // texels per block line
    int height;                       // lines per block
    ArtOrigin (*origin)(int number);  // top-left texel of a block
};

constexpr std::uint16_t opaqueTexel(int red, int green, int blue) {
    return static_cast<std::uint16_t>(0x8000 | red | (green << 5) | (blue << 10));
}

namespace pixel_art_detail {

struct LineReader {
    std::string_view text;
    int line;  // source line of the line last read
    std::size_t at = 0;

    constexpr bool done() const { return at >= text.size(); }
    constexpr std::string_view next() {
        // A plain loop rather than find(): some sanitizer builds cannot
        // evaluate the standard library's search while compiling.
        std::size_t stop = at;
        while (stop < text.size() && text[stop] != '\n') {
            ++stop;
        }
        const std::string_view result = text.substr(at, stop - at);
        at = stop + 1;
        ++line;
        return result;
    }
};

constexpr bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Splits off the first space-separated word of `rest`.
constexpr std::string_view takeWord(std::string_view& rest) {
    std::size_t begin = 0;
    while (begin < rest.size() && isSpace(rest[begin])) {
        ++begin;
    }
    std::size_t end = begin;
    while (end < rest.size() && !isSpace(rest[end])) {
        ++end;
    }
    const std::string_view word = rest.substr(begin, end - begin);
    rest = rest.substr(end);
    return word;
}

constexpr int parseNumber(std::string_view word, int low, int high, int line) {
    int value = 0;
    for (const char c : word) {
        if (c < '0' || c > '9' || value > high) {
            artFault("art: expected a number", line);
            return 0;
        }
        value = value * 10 + (c - '0');
    }
    if (word.empty() || value < low || value > high) {
        artFault("art: number missing or out of range", line);
    }
    return value;
}

constexpr bool blankOrComment(std::string_view line) {
    for (const char c : line) {
        if (c == '#') {
            return true;
        }
        if (!isSpace(c)) {
            return false;
        }
    }
    return true;
}

}  // namespace pixel_art_detail

// `firstLine` is the source line on which the text starts, so that faults
// name the line to fix.
constexpr Image16 imageFromArt(std::string_view text, const ArtLayout& layout, int firstLine = 1) {
    using namespace pixel_art_detail;
    Image16 image{};
    std::array<std::uint16_t, 128> colour{};
    std::array<bool, 128> known{};
    std::array<bool, 64> seen{};
    if (layout.count > static_cast<int>(seen.size())) {
        artFault("art: too many blocks for one picture", firstLine);
    }

    LineReader reader{text, firstLine - 1};
    while (!reader.done()) {
        const std::string_view line = reader.next();
        if (blankOrComment(line)) {
            continue;
        }
        std::string_view rest = line;
        const std::string_view keyword = takeWord(rest);
        if (keyword == "colour") {
            const std::string_view name = takeWord(rest);
            const auto c = static_cast<unsigned char>(name.empty() ? ' ' : name[0]);
            if (name.size() != 1 || c <= ' ' || c > '~' || c == '.' || c == '#') {
                artFault("art: a colour needs one printable character but '.' and '#'",
                         reader.line);
                continue;
            }
            if (known[c]) {
                artFault("art: colour character defined twice", reader.line);
            }
            const int red = parseNumber(takeWord(rest), 0, 31, reader.line);
            const int green = parseNumber(takeWord(rest), 0, 31, reader.line);
            const int blue = parseNumber(takeWord(rest), 0, 31, reader.line);
            known[c] = true;
            colour[c] = opaqueTexel(red, green, blue);
            continue;
        }
        if (keyword != layout.keyword) {
            artFault("art: unknown line", reader.line);
            continue;
        }
        const int number =
            parseNumber(takeWord(rest), layout.first, layout.first + layout.count - 1, reader.line);
        if (seen[number - layout.first]) {
            artFault("art: block drawn twice", reader.line);
        }
        seen[number - layout.first] = true;
        const ArtOrigin origin = layout.origin(number);
        if (std::string_view copy = rest; takeWord(copy) == "same" && takeWord(copy) == "as") {
            const int source = parseNumber(takeWord(copy), layout.first,
                                           layout.first + layout.count - 1, reader.line);
            if (!seen[source - layout.first] || source == number) {
                artFault("art: a repeat must name a block drawn before it", reader.line);
                continue;
            }
            const ArtOrigin from = layout.origin(source);
            for (int row = 0; row < layout.height; ++row) {
                for (int column = 0; column < layout.width; ++column) {
                    setTexelWord(image, origin.u + column, origin.v + row,
                                 texelWord(image, from.u + column, from.v + row));
                }
            }
            continue;
        }
        for (int row = 0; row < layout.height; ++row) {
            if (reader.done()) {
                artFault("art: block too short", reader.line);
                break;
            }
            const std::string_view texels = reader.next();
            if (static_cast<int>(texels.size()) != layout.width) {
                artFault("art: block line of the wrong width", reader.line);
                break;
            }
            for (int column = 0; column < layout.width; ++column) {
                const auto c = static_cast<unsigned char>(texels[column]);
                if (c == '.') {
                    continue;
                }
                if (c >= 128 || !known[c]) {
                    artFault("art: character not in the legend", reader.line);
                    continue;
                }
                setTexelWord(image, origin.u + column, origin.v + row, colour[c]);
            }
        }
        // A blank line (or a comment) closes each block, so an extra picture
        // line is caught here rather than read as something else.
        if (!reader.done() && !blankOrComment(reader.next())) {
            artFault("art: block too tall", reader.line);
        }
    }
    for (int k = 0; k < layout.count; ++k) {
        if (!seen[k]) {
            artFault("art: block missing", reader.line);
        }
    }
    return image;
}

// Tiles 1..56, 16 x 16, in their atlas slots.
constexpr ArtOrigin atlasArtOrigin(int number) {
    const AtlasSlot slot = atlasSlot(static_cast<unsigned>(number));
    return {slot.u, slot.v};
}
inline constexpr ArtLayout atlasArtLayout{"tile", 1, 56, 16, 16, atlasArtOrigin};

// Frames 0..6, 16 x 27, side by side along the top of the sheet.
inline constexpr int spriteFrameWidth = 16;
inline constexpr int spriteFrameHeight = 27;
inline constexpr int spriteFrameCount = 7;
constexpr ArtOrigin spriteArtOrigin(int number) { return {number * spriteFrameWidth, 0}; }
inline constexpr ArtLayout spriteArtLayout{
    "frame", 0, spriteFrameCount, spriteFrameWidth, spriteFrameHeight, spriteArtOrigin};
