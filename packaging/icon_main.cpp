// Draws the game's desktop icon at one size, or the Windows icon at several.
//
//   torvik_icon SIZE ICON_FILE                PNG, for the desktop menus
//   torvik_icon --ico ICON_FILE SIZE...       Windows icon of PNG images, 8 to 256 px

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "packaging/icon.hpp"

namespace {

void putLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

// An .ico file: its directory, one 16-byte entry per image, then the images,
// each a whole PNG file (which Windows reads at every size since Vista).
std::vector<std::uint8_t> iconFile(const std::vector<int>& sides) {
    std::vector<std::vector<std::uint8_t>> images;
    for (const int side : sides) {
        images.push_back(encodePng(iconPicture(side)));
        if (images.back().empty()) {
            return {};
        }
    }
    std::vector<std::uint8_t> bytes;
    putLittleEndian(bytes, 0, 2);  // reserved
    putLittleEndian(bytes, 1, 2);  // an icon, not a cursor
    putLittleEndian(bytes, static_cast<std::uint32_t>(images.size()), 2);
    std::size_t offset = 6 + 16 * images.size();
    for (std::size_t i = 0; i < images.size(); ++i) {
        const auto side = static_cast<std::uint32_t>(sides[i] % 256);  // 256 is written as 0
        putLittleEndian(bytes, side, 1);
        putLittleEndian(bytes, side, 1);
        putLittleEndian(bytes, 0, 1);   // no palette
        putLittleEndian(bytes, 0, 1);   // reserved
        putLittleEndian(bytes, 1, 2);   // planes
        putLittleEndian(bytes, 32, 2);  // bits per pixel
        putLittleEndian(bytes, static_cast<std::uint32_t>(images[i].size()), 4);
        putLittleEndian(bytes, static_cast<std::uint32_t>(offset), 4);
        offset += images[i].size();
    }
    for (const auto& image : images) {
        bytes.insert(bytes.end(), image.begin(), image.end());
    }
    return bytes;
}

int usage() {
    std::fprintf(stderr,
                 "usage: torvik_icon SIZE ICON_FILE (SIZE 8 to 1024)\n"
                 "       torvik_icon --ico ICON_FILE SIZE... (SIZE 8 to 256)\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && std::string(argv[1]) == "--ico") {
        std::vector<int> sides;
        for (int i = 3; i < argc; ++i) {
            sides.push_back(std::atoi(argv[i]));
            if (sides.back() < 8 || sides.back() > 256) {
                return usage();
            }
        }
        return writeFile(argv[2], iconFile(sides)) ? 0 : 1;
    }
    const int side = argc == 3 ? std::atoi(argv[1]) : 0;
    if (side < 8 || side > 1024) {
        return usage();
    }
    return writePng(argv[2], iconPicture(side)) ? 0 : 1;
}
