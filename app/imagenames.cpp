#include "app/imagenames.h"

#include "app/board.h"
#include "toolkit/controlarray.h"
#include "toolkit/image.h"

namespace app {

namespace {

// The file name of the picture the image shows, or `unloaded` while it shows the design's.
QString shownPicture(const toolkit::Image &image, const QString &unloaded)
{
    const QString &file = image.pictureFile();
    return file.isEmpty() ? unloaded : file;
}

// A board element is empty until a file gives it a picture.
QString onBoard(const QString &what, const toolkit::Image &image)
{
    return what + QStringLiteral(": ") + shownPicture(image, QStringLiteral("empty"));
}

QString sample(const QString &what, const toolkit::Image &image)
{
    return what + QStringLiteral(": ") + shownPicture(image, QStringLiteral("design picture"));
}

QString wallSlot(const QString &what, BoardSlot::Kind wall, const toolkit::Image &image)
{
    const auto [first, second] = cellsBeside(wall, image.index());
    return onBoard(QStringLiteral("%1 %2, between cells %3 and %4")
                       .arg(what)
                       .arg(image.index())
                       .arg(first)
                       .arg(second),
                   image);
}

} // namespace

ImageNames::ImageNames(const toolkit::ControlArray &cells, const toolkit::ControlArray &hWalls,
                       const toolkit::ControlArray &vWalls, const toolkit::ControlArray &corners,
                       const toolkit::Image *objectSample, const toolkit::Image *wallSampleH,
                       const toolkit::Image *wallSampleV)
    : m_cells(&cells), m_hWalls(&hWalls), m_vWalls(&vWalls), m_corners(&corners),
      m_objectSample(objectSample), m_wallSampleH(wallSampleH), m_wallSampleV(wallSampleV)
{}

QString ImageNames::name(const toolkit::Image &image) const
{
    const toolkit::ControlArray *array = image.array();
    if (array == m_cells) {
        const auto [row, column] = cellRowAndColumn(image.index());
        return onBoard(
            QStringLiteral("Cell %1, row %2, column %3").arg(image.index()).arg(row).arg(column),
            image);
    }
    if (array == m_hWalls)
        return wallSlot(QStringLiteral("Horizontal wall slot"), BoardSlot::HorizontalWall, image);
    if (array == m_vWalls)
        return wallSlot(QStringLiteral("Vertical wall slot"), BoardSlot::VerticalWall, image);
    if (&image == m_objectSample)
        return sample(QStringLiteral("Object sample"), image);
    if (&image == m_wallSampleH)
        return sample(QStringLiteral("Horizontal wall sample"), image);
    if (&image == m_wallSampleV)
        return sample(QStringLiteral("Vertical wall sample"), image);
    return image.objectName();
}

bool ImageNames::pressable(const toolkit::Image &image) const
{
    const toolkit::ControlArray *array = image.array();
    return array && (array == m_cells || array == m_hWalls || array == m_vWalls);
}

bool ImageNames::decorative(const toolkit::Image &image) const
{
    return image.array() == m_corners;
}

} // namespace app
