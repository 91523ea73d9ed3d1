#include "bitmapfile.h"

#include <fstream>

namespace {

constexpr std::uint32_t FileHeaderSize = 14;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::int32_t PixelsPerMetre = 3780; // 96 dots per inch

// Bitmap header fields are little-endian whatever the host.
void putLittleEndian(std::vector<char> &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

} // namespace

bool writeBitmapFile(const Picture &picture, const std::string &path)
{
    const std::uint32_t rowBytes = (3 * picture.width + 3) / 4 * 4; // rows padded to 4 bytes
    const std::uint32_t pixelBytes = rowBytes * picture.height;
    const std::uint32_t offset = FileHeaderSize + InfoHeaderSize;

    std::vector<char> out;
    out.push_back('B');
    out.push_back('M');
    putLittleEndian(out, offset + pixelBytes, 4); // file size
    putLittleEndian(out, 0, 4);                   // reserved
    putLittleEndian(out, offset, 4);              // start of the pixel rows
    putLittleEndian(out, InfoHeaderSize, 4);
    putLittleEndian(out, picture.width, 4);
    putLittleEndian(out, picture.height, 4); // positive height: bottom-up rows
    putLittleEndian(out, 1, 2);              // planes
    putLittleEndian(out, 24, 2);             // bits per pixel
    putLittleEndian(out, 0, 4);              // no compression
    putLittleEndian(out, pixelBytes, 4);
    putLittleEndian(out, PixelsPerMetre, 4);
    putLittleEndian(out, PixelsPerMetre, 4);
    putLittleEndian(out, 0, 4); // colours used: none, no colour table
    putLittleEndian(out, 0, 4); // important colours

    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgb pixel = picture.at(x, y);
            out.push_back(static_cast<char>(pixel.blue));
            out.push_back(static_cast<char>(pixel.green));
            out.push_back(static_cast<char>(pixel.red));
        }
        out.resize(out.size() + rowBytes - 3 * picture.width, 0);
    }

    std::ofstream file(path, std::ios::binary);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}
