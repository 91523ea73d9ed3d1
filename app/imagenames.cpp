#include "app/imagenames.h"

#include "app/form1.h"
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

ImageNames::ImageNames(const Form1 &form)
    : m_cells(form.Piece), m_hWalls(form.HWall), m_vWalls(form.VWall), m_corners(form.Corner),
      m_objectSample(form.ObjSample), m_wallSampleH(form.WallSampleH),
      m_wallSampleV(form.WallSampleV)
{}

// Corner posts always show the design's picture, so their names leave it out.
QString ImageNames::name(const toolkit::Image &image) const
{
    if (const int index = m_cells.indexOf(&image); index >= 0)
        return withPicture(QStringLiteral("Cell %1").arg(index), image);
    if (const int index = m_hWalls.indexOf(&image); index >= 0)
        return withPicture(QStringLiteral("Horizontal wall slot %1").arg(index), image);
    if (const int index = m_vWalls.indexOf(&image); index >= 0)
        return withPicture(QStringLiteral("Vertical wall slot %1").arg(index), image);
    if (const int index = m_corners.indexOf(&image); index >= 0)
        return QStringLiteral("Corner post %1").arg(index);
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
    return m_cells.indexOf(&image) >= 0 || m_hWalls.indexOf(&image) >= 0 ||
           m_vWalls.indexOf(&image) >= 0;
}

} // namespace app
