#pragma once

#include "app/board.h"
#include "toolkit/imagedescriber.h"

namespace app {

// What assistive technology calls the window's images: what each is, where it lies on the board,
// and the picture it shows, e.g. "Cell 37, row 4, column 8: AngleL.bmp", "Horizontal wall slot 5,
// between cells 5 and 15: empty", "Object sample: design picture". Cells and wall slots can be
// pressed, which places a picture there; corner posts only decorate and are left out.
class ImageNames : public toolkit::ImageDescriber
{
public:
    ImageNames(BoardArrays board, const toolkit::Image *objectSample,
               const toolkit::Image *wallSampleH, const toolkit::Image *wallSampleV);

    QString name(const toolkit::Image &image) const override;
    bool pressable(const toolkit::Image &image) const override;
    bool decorative(const toolkit::Image &image) const override;

private:
    BoardArrays m_board;
    const toolkit::Image *m_objectSample;
    const toolkit::Image *m_wallSampleH;
    const toolkit::Image *m_wallSampleV;
};

} // namespace app
