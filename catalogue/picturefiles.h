#pragma once

#include <QSize>
#include <QString>
#include <vector>

namespace catalogue {

// The kinds of board slot a picture fills, each with a size of its own.
enum class Family
{
    Object,         // cells, 32 × 32
    HorizontalWall, // horizontal wall slots, 32 × 10
    VerticalWall    // vertical wall slots, 10 × 32
};

// One picture file that the catalogues name.
struct PictureFile
{
    QString fileName;
    Family family;
    int type;   // the object type or wall type it belongs to
    QSize size; // the size of the board slot it fills
};

// Every file of the catalogues, each once: the object pictures in type and variant order, then
// each wall type's horizontal and vertical picture.
std::vector<PictureFile> pictureFiles();

} // namespace catalogue
