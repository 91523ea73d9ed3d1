#pragma once

#include "toolkit/imagedescriber.h"

namespace toolkit {
class ControlArray;
}

namespace app {

class Form1;

// What assistive technology calls the window's images: what each is and the picture it shows,
// e.g. "Cell 37: AngleL.bmp", "Horizontal wall slot 5: WallH.bmp", "Object sample: design
// picture", "Corner post 12". Cells and wall slots can be pressed, which places a picture there.
class ImageNames : public toolkit::ImageDescriber
{
public:
    explicit ImageNames(const Form1 &form);

    QString name(const toolkit::Image &image) const override;
    bool pressable(const toolkit::Image &image) const override;

private:
    const toolkit::ControlArray &m_cells;
    const toolkit::ControlArray &m_hWalls;
    const toolkit::ControlArray &m_vWalls;
    const toolkit::ControlArray &m_corners;
    const toolkit::Image *m_objectSample;
    const toolkit::Image *m_wallSampleH;
    const toolkit::Image *m_wallSampleV;
};

} // namespace app
