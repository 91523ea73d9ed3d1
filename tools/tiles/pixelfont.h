#pragma once

#include <QColor>
#include <QPoint>
#include <string_view>

class QPainter;

namespace tiles {

// A 5 x 7 bitmap font of the project's own, so that the digits and letters on the tiles are the
// same pixels on every machine, whatever fonts it has. It knows digits, letters, '-', '.' and ' '.
namespace pixelfont {

inline constexpr int glyphWidth = 5;
inline constexpr int glyphHeight = 7; // capitals and digits; text is placed by this height
inline constexpr int descent = 2;     // rows below it for g, j, p, q and y
inline constexpr int advance = glyphWidth + 1;

bool hasGlyph(char c);

// Width and cap height in pixels of `text` drawn at `scale` (each font pixel a scale x scale
// square).
int textWidth(std::string_view text, int scale = 1);
inline int textHeight(int scale = 1)
{
    return glyphHeight * scale;
}

// Draws `text` with its top-left corner at `topLeft`; characters without a glyph throw.
void drawText(QPainter &painter, QPoint topLeft, std::string_view text, const QColor &colour,
              int scale = 1);

// Draws `text` centred on `centre`.
void drawCentredText(QPainter &painter, QPointF centre, std::string_view text, const QColor &colour,
                     int scale = 1);

} // namespace pixelfont

} // namespace tiles
