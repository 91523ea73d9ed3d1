#pragma once

#include <QString>

namespace toolkit {

class Image;

// What assistive technology is told about the images of a host, worked out only when it asks.
class ImageDescriber
{
public:
    virtual ~ImageDescriber() = default;

    // The image's name, e.g. what it is and the picture it shows.
    virtual QString name(const Image &image) const = 0;
    // Whether the image takes clicks that do something, so that a press of it is offered.
    virtual bool pressable(const Image &image) const = 0;
    // Whether the image only decorates, so that assistive technology is not told of it.
    virtual bool decorative(const Image &image) const = 0;
};

} // namespace toolkit
