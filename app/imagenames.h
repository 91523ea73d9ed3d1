#pragma once

#include "toolkit/imagedescriber.h"

namespace toolkit {
class ControlArray;
}

namespace app {

// What assistive technology calls the window's images: what each is and the picture it shows,
// e.g. "Cell 37: AngleL.bmp", "Horizontal wall slot 5: WallH.bmp", "Object sample: design
// picture", "Corner post 12". Cells and wall slots can be pressed, which places a picture there.
class ImageNames : public toolkit::ImageDescriber
{
public:
    ImageNames(const toolkit::ControlArray &cells, const toolkit::ControlArray &hWalls,
               const toolkit::ControlArray &vWalls, const toolkit::ControlArray &corners,
               const toolkit::Image *objectSample, const toolkit::Image *wallSampleH,
               const toolkit::Image *wallSampleV);

    QString name(const toolkit::Image &image) const override;
    bool pressable(const toolkit::Image &image) const override;

private:
    const toolkit::ControlArray *m_cells;
    const toolkit::ControlArray *m_hWalls;
    const toolkit::ControlArray *m_vWalls;
    const toolkit::ControlArray *m_corners;
    const toolkit::Image *m_objectSample;
    const toolkit::Image *m_wallSampleH;
    const toolkit::Image *m_wallSampleV;
};

} // namespace app
