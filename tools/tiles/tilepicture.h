#pragma once

#include <QImage>
#include <QSize>
#include <string_view>

namespace tiles {

// Draws the sample picture for a tile file name ("GoDL.bmp") at the given size, on white, in
// QImage::Format_RGB888. Throws std::invalid_argument for a name no family of the drawing table
// covers.
QImage drawTile(std::string_view fileName, QSize size);

} // namespace tiles
