#pragma once

#include "catalogue/pictureloader.h"

#include <QStringList>

namespace toolkit {
class Image;
}

namespace support {

// A picture loader for tests that records every path it is asked for, nested loads included,
// fails the paths in `failing` as a missing file does, and answers those in `empty` with an empty
// picture, as a loader short of memory might. Made without a source it reads nothing and
// returns a new 32 × 32 picture whose colour tells which load made it; made with one, it hands the
// load on, to the file loader for instance.
class RecordingLoader : public catalogue::PictureLoader
{
public:
    RecordingLoader() = default;
    explicit RecordingLoader(const catalogue::PictureLoader &source) : m_source(&source) {}

    QPixmap loadPicture(const QString &path) const override;

    // The file name ("GoH.bmp") of the load that made the picture the image shows; empty for
    // another picture.
    QString fileShownBy(const toolkit::Image *image) const;

    mutable QStringList reads;
    QStringList failing;
    QStringList empty;

private:
    const catalogue::PictureLoader *m_source = nullptr;
};

// Which load of a RecordingLoader without a source made the picture an image shows, counted from 0
// in its `reads`; -1 for any other picture, such as a design-time one.
int loadShownBy(const toolkit::Image *image);

} // namespace support
