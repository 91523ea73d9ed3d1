#pragma once

#include <QColor>

// The colours of the sample tiles. Every figure has a dark outline so that it stands out on the
// editor's white board, and each family keeps to its own colours.
namespace tiles::ink {

inline const QColor white{255, 255, 255};
inline const QColor black{0, 0, 0};
inline const QColor outline{40, 40, 48};
inline const QColor grey{150, 150, 158};
inline const QColor lightGrey{205, 205, 212};
inline const QColor darkGrey{90, 90, 98};
inline const QColor steel{180, 190, 200};

inline const QColor red{220, 40, 40};
inline const QColor darkRed{140, 20, 20};
inline const QColor orange{245, 140, 30};
inline const QColor yellow{250, 215, 40};
inline const QColor gold{235, 180, 20};
inline const QColor green{50, 170, 60};
inline const QColor darkGreen{25, 110, 35};
inline const QColor paleGreen{215, 240, 205};
inline const QColor blue{40, 100, 220};
inline const QColor darkBlue{20, 50, 140};
inline const QColor skyBlue{120, 180, 240};
inline const QColor ice{200, 238, 250};
inline const QColor cyan{90, 200, 230};
inline const QColor purple{130, 60, 190};
inline const QColor darkPurple{60, 25, 95};
inline const QColor lavender{225, 210, 250};
inline const QColor magenta{210, 40, 170};
inline const QColor brown{140, 90, 45};
inline const QColor darkBrown{90, 55, 25};
inline const QColor tan{215, 175, 120};
inline const QColor skin{250, 210, 170};
inline const QColor cream{250, 240, 215};
inline const QColor brick{190, 95, 60};

} // namespace tiles::ink
