#pragma once

#include <span>
#include <string_view>

class QPainter;

namespace tiles {

// A tile name is a family's stem followed by what tells its variants apart: a number, then
// letters. "Warp12W" is the Warp family with number 12 and letters "W", "GoDL" the Go family
// with letters "DL", "Crate" the Crate family alone.
struct Variant
{
    int number = 0;
    std::string_view letters;
};

// What may follow a family's stem.
enum class Suffix
{
    None,
    Number,
    Letters,
    NumberAndLetters,
};

// Paints one tile of a family onto a white picture of the tile's size. Letters that the family
// does not know throw std::invalid_argument.
using Painter = void (*)(QPainter &, const Variant &);

// One row of the drawing table: the stem of the names the family covers and how to paint them.
struct Family
{
    std::string_view stem;
    Suffix suffix;
    Painter paint;
};

// The families, grouped by theme, one group to a source file.
std::span<const Family> directionFamilies();
std::span<const Family> hazardFamilies();
std::span<const Family> numberedFamilies();
std::span<const Family> deviceFamilies();
std::span<const Family> toolFamilies();
std::span<const Family> pickupFamilies();
std::span<const Family> creatureFamilies();
std::span<const Family> wallFamilies();

// Throws std::invalid_argument naming the family and the letters it has no drawing for.
[[noreturn]] void unknownVariant(std::string_view stem, const Variant &variant);

} // namespace tiles
