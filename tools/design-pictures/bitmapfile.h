#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A picture as plain RGB pixels, row by row from the top.
struct Rgb
{
    std::uint8_t red, green, blue;
    bool operator==(const Rgb &) const = default;
};

struct Picture
{
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// Writes an uncompressed 24-bit Windows bitmap (no colour table, rows bottom-up, 96 dpi).
bool writeBitmapFile(const Picture &picture, const std::string &path);
