#pragma once

#include <QLatin1StringView>
#include <QSize>
#include <QString>
#include <vector>

namespace catalogue {

// The kinds of place on the board. The first three are also the selection kinds: which catalogue
// the selection routine picks a picture from, objects for cells or the walls of one orientation.
enum Place : qint16
{
    Cell = 1,
    HorizontalWall = 2,
    VerticalWall = 3,
    Corner = 4
};

// A cell's side and a wall's thickness, in pixels; every place on the board and every picture
// that fills one is made of these.
inline constexpr int cellSide = 32;
inline constexpr int wallThickness = 10;

constexpr QSize slotSize(Place place)
{
    const bool narrow = place == VerticalWall || place == Corner;
    const bool low = place == HorizontalWall || place == Corner;
    return {narrow ? wallThickness : cellSide, low ? wallThickness : cellSide};
}

// The object types and the wall types are numbered from 1, an object type's pictures in variant
// order from 1.
inline constexpr int objectTypeCount = 67;
inline constexpr int wallTypeCount = 5;

// How many variants object type `type` has: 1 for a type with a single picture, 0 for a number
// that is no type.
int variantCount(int type);
// The file that object type `type` and variant `variant` designate, such as "AngleR.bmp" for
// (2, 2). Empty where there is no such entry.
QString objectFile(int type, int variant);
// The file that wall type `type` designates for wall slots of `place`, such as "WallH.bmp" for
// (2, HorizontalWall). Empty for a number that is no type, or a place that takes no wall.
QString wallFile(int type, Place place);

// One picture file that the catalogues name, with the place it fills.
struct PictureFile
{
    QString fileName;
    Place place;
    int type; // the object type or wall type it belongs to
    QSize size;
};

// Every file of the catalogues, each once: the object pictures in type and variant order, then
// each wall type's horizontal and vertical picture.
std::vector<PictureFile> pictureFiles();

// The documents part of the picture folder; on a system without drive letters the file loader
// reads it as the user's documents folder. The catalogues and the selection routine only ever see
// this form.
inline constexpr QLatin1StringView documentsPart{"c:/My Documents/"};
// The one folder every tile picture is read from, exactly as the editor names it.
inline constexpr QLatin1StringView pictureFolder{"c:/My Documents/pardovine/"};

// The path the loader is asked for to read a catalogue file, "c:/My Documents/pardovine/AngleL.bmp"
// for "AngleL.bmp".
inline QString picturePath(const QString &fileName)
{
    return QString(pictureFolder) + fileName;
}

} // namespace catalogue
