#pragma once

#include <QPointF>

namespace toolkit {

class Image;

// Where the images of a host lie on a regular grid, the one image that may show a point is found by
// arithmetic instead of a search.
class ImageLocator
{
public:
    virtual ~ImageLocator() = default;

    // The image whose place holds `point` (in the host's coordinates), or nullptr when the point
    // lies outside the grid.
    virtual Image *imageAt(QPointF point) const = 0;
};

} // namespace toolkit
