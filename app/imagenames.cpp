#include "app/imagenames.h"

#include "app/board.h"
#include "toolkit/controlarray.h"
#include "toolkit/image.h"

#include <QCoreApplication>

namespace app {

namespace {

// The file name of the picture the image shows, or `unloaded` while it shows the design's.
QString shownPicture(const toolkit::Image &image, const QString &unloaded)
{
    const QString &file = image.pictureFile();
    return file.isEmpty() ? unloaded : file;
}

// A board element is empty until a file gives it a picture.
QString cellName(const toolkit::Image &image)
{
    const auto [row, column] = cellRowAndColumn(image.index());
    //: %4 is the picture file the cell shows ("AngleL.bmp"), or "empty".
    return QCoreApplication::translate("ImageNames", "Cell %1, row %2, column %3: %4")
        .arg(image.index())
        .arg(row)
        .arg(column)
        .arg(shownPicture(image, QCoreApplication::translate("ImageNames", "empty", "a cell")));
}

QString wallSlotName(BoardSlot::Kind wall, const toolkit::Image &image)
{
    const auto [first, second] = cellsBeside(wall, image.index());
    //: %4 is the picture file the wall slot shows ("WallH.bmp"), or "empty".
    return (wall == BoardSlot::HorizontalWall
                ? QCoreApplication::translate(
                      "ImageNames", "Horizontal wall slot %1, between cells %2 and %3: %4")
                : QCoreApplication::translate("ImageNames",
                                              "Vertical wall slot %1, between cells %2 and %3: %4"))
        .arg(image.index())
        .arg(first)
        .arg(second)
        .arg(
            shownPicture(image, QCoreApplication::translate("ImageNames", "empty", "a wall slot")));
}

// `name` with its %1 standing for the picture file the sample shows.
QString sampleName(const QString &name, const toolkit::Image &image)
{
    return name.arg(
        shownPicture(image, QCoreApplication::translate("ImageNames", "design picture")));
}

} // namespace

ImageNames::ImageNames(BoardArrays board, const toolkit::Image *objectSample,
                       const toolkit::Image *wallSampleH, const toolkit::Image *wallSampleV)
    : m_board(board), m_objectSample(objectSample), m_wallSampleH(wallSampleH),
      m_wallSampleV(wallSampleV)
{}

QString ImageNames::name(const toolkit::Image &image) const
{
    const toolkit::ControlArray *array = image.array();
    if (array == &m_board.cells)
        return cellName(image);
    if (array == &m_board.hWalls)
        return wallSlotName(BoardSlot::HorizontalWall, image);
    if (array == &m_board.vWalls)
        return wallSlotName(BoardSlot::VerticalWall, image);
    //: %1 is the picture file the sample shows, or "design picture" before the first selection.
    if (&image == m_objectSample)
        return sampleName(QCoreApplication::translate("ImageNames", "Object sample: %1"), image);
    if (&image == m_wallSampleH)
        return sampleName(QCoreApplication::translate("ImageNames", "Horizontal wall sample: %1"),
                          image);
    if (&image == m_wallSampleV)
        return sampleName(QCoreApplication::translate("ImageNames", "Vertical wall sample: %1"),
                          image);
    return image.objectName();
}

bool ImageNames::pressable(const toolkit::Image &image) const
{
    const toolkit::ControlArray *array = image.array();
    return array &&
           (array == &m_board.cells || array == &m_board.hWalls || array == &m_board.vWalls);
}

bool ImageNames::decorative(const toolkit::Image &image) const
{
    return image.array() == &m_board.corners;
}

} // namespace app
