#include "app/imagenames.h"

#include "toolkit/controlarray.h"
#include "toolkit/image.h"

namespace app {

namespace {

// The file name of the picture the image shows, or where it comes from when no file does.
QString shownPicture(const toolkit::Image &image)
{
    const QString &file = image.pictureFile();
    return file.isEmpty() ? QStringLiteral("design picture") : file.section(QLatin1Char('/'), -1);
}

QString withPicture(const QString &what, const toolkit::Image &image)
{
    return what + QStringLiteral(": ") + shownPicture(image);
}

} // namespace

ImageNames::ImageNames(const toolkit::ControlArray &cells, const toolkit::ControlArray &hWalls,
                       const toolkit::ControlArray &vWalls, const toolkit::ControlArray &corners,
                       const toolkit::Image *objectSample, const toolkit::Image *wallSampleH,
                       const toolkit::Image *wallSampleV)
    : m_cells(&cells), m_hWalls(&hWalls), m_vWalls(&vWalls), m_corners(&corners),
      m_objectSample(objectSample), m_wallSampleH(wallSampleH), m_wallSampleV(wallSampleV)
{}

// Corner posts always show the design's picture, so their names leave it out.
QString ImageNames::name(const toolkit::Image &image) const
{
    const toolkit::ControlArray *array = image.array();
    if (array == m_cells)
        return withPicture(QStringLiteral("Cell %1").arg(image.index()), image);
    if (array == m_hWalls)
        return withPicture(QStringLiteral("Horizontal wall slot %1").arg(image.index()), image);
    if (array == m_vWalls)
        return withPicture(QStringLiteral("Vertical wall slot %1").arg(image.index()), image);
    if (array == m_corners)
        return QStringLiteral("Corner post %1").arg(image.index());
    if (&image == m_objectSample)
        return withPicture(QStringLiteral("Object sample"), image);
    if (&image == m_wallSampleH)
        return withPicture(QStringLiteral("Horizontal wall sample"), image);
    if (&image == m_wallSampleV)
        return withPicture(QStringLiteral("Vertical wall sample"), image);
    return image.objectName();
}

bool ImageNames::pressable(const toolkit::Image &image) const
{
    const toolkit::ControlArray *array = image.array();
    return array && (array == m_cells || array == m_hWalls || array == m_vWalls);
}

} // namespace app
